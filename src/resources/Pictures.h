#pragma once
// The program's shared pictures, compiled in with the resource system.
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Pictures {
// Makes the :/pictures/ resources available; every function below does it first. Code that
// opens a picture by its resource path itself (":/pictures/banner.jpg") calls this before.
void registerResources();

QIcon programIcon();          // 32 x 32, 256 colours: frame, document, find and about windows
QPixmap banner();             // 1440 x 360 JPEG of blue and white clouds
QPixmap statusBarClouds();    // 1440 x 360, 24-bit bitmap: the status bar's picture panel
QPixmap statusBarClouds(const QSize& corner);  // only its top-left corner, for a panel that shows no more
QPixmap productPicture();     // 80 x 50 GIF of 18 frames, its first frame as a still
QCursor handCursor();         // 32 x 32, 16 colours, hot spot at 12, 1
QIcon quitIcon();             // 32 x 32 and 16 x 16, 16 colours
// A toolbar button picture by its image's name, e.g. "imgCutButtonUp".
QPixmap toolbarPicture(const QString& name);
}  // namespace Pictures

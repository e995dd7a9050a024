#pragma once
// The toolbar's button pictures: 16-colour, 22 pixels high, raised when released and sunken
// when pressed.
#include <QList>
#include <QString>

#include "IndexedImage.h"

struct ButtonPicture {
  QString name;  // the image's name, also the file's name without .bmp
  IndexedImage image;
};

QList<ButtonPicture> drawToolbarButtons();

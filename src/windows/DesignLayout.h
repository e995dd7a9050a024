#pragma once
// The fixed-layout windows are drawn for a screen of 15 twips to a pixel
// (96 dots per inch). Their fonts are sized in pixels from the designed
// points at that resolution, so that every text fits the box drawn for it
// whatever resolution this screen reports.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

class QLabel;
class QWidget;

inline constexpr int kTwipsPerPixel = 15;
// Rounded to the nearest pixel.
constexpr int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
QRect fromTwips(int left, int top, int width, int height);

// The green and the red of the fixed-layout windows' texts.
inline const QColor kDesignGreen{0, 255, 0};
inline const QColor kDesignRed{255, 0, 0};

// The designed faces. Where the machine lacks one, a face it has stands in.
QFont msSansSerif(qreal points, bool bold);
QFont arial(qreal points, bool bold);
QFont haettenschweiler(qreal points);  // at the designed weight 800

// A label of the layout: text on the window's own background when no
// background colour is given, wrapping within its box.
QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
                  const QFont& font, const QColor& textColour, std::optional<QColor> background = std::nullopt);

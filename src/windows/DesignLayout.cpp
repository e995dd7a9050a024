#include "windows/DesignLayout.h"

#include <QLabel>

#include "windows/TextBox.h"

namespace {
constexpr qreal kDesignedDotsPerInch = 96.0;

int pixelsForPoints(qreal points) { return qRound(points * kDesignedDotsPerInch / 72.0); }

QFont sized(QFont font, qreal points, bool bold) {
  font.setPixelSize(pixelsForPoints(points));
  font.setBold(bold);
  return font;
}

const QStringList& plainSansFaces() {
  static const QStringList faces = {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                    QStringLiteral("DejaVu Sans")};
  return faces;
}
}  // namespace

QRect fromTwips(int left, int top, int width, int height) {
  return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QFont msSansSerif(qreal points, bool bold) {
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), plainSansFaces());
  return sized(QFont(QStringLiteral("MS Sans Serif")), points, bold);
}

QFont arial(qreal points, bool bold) {
  QFont::insertSubstitutions(QStringLiteral("Arial"), plainSansFaces());
  return sized(QFont(QStringLiteral("Arial")), points, bold);
}

QFont haettenschweiler(qreal points) {
  // The document font is this face already, with its stand-ins registered.
  QFont font = documentFont();
  font.setPixelSize(pixelsForPoints(points));
  font.setWeight(QFont::Weight(800));
  return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
                  const QFont& font, const QColor& textColour, std::optional<QColor> background) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, textColour);
  if (background) {
    palette.setColor(QPalette::Window, *background);
    label->setAutoFillBackground(true);
  }
  label->setPalette(palette);
  return label;
}

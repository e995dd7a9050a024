#include "resources/Pictures.h"

namespace Pictures {
QIcon programIcon() { return QIcon(QStringLiteral(":/pictures/program.ico")); }
QPixmap banner() { return QPixmap(QStringLiteral(":/pictures/banner.jpg")); }
QPixmap statusBarClouds() { return QPixmap(QStringLiteral(":/pictures/clouds.bmp")); }
QPixmap productPicture() { return QPixmap(QStringLiteral(":/pictures/product.gif")); }
QCursor handCursor() { return QCursor(QPixmap(QStringLiteral(":/pictures/hand.cur")), 12, 1); }
QIcon quitIcon() { return QIcon(QStringLiteral(":/pictures/quit.ico")); }
QPixmap toolbarPicture(const QString& name) { return QPixmap(QStringLiteral(":/pictures/%1.bmp").arg(name)); }
}  // namespace Pictures

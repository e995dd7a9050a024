#include "resources/Pictures.h"

#include "resources/BitmapCorner.h"

// The pictures live in a static library; nothing else references its resource data, so the
// linker would drop it unless it is registered explicitly (from the global namespace).
static void registerPictureResources() { Q_INIT_RESOURCE(resources); }

namespace Pictures {

void registerResources() {
  static const bool registered = (registerPictureResources(), true);
  (void)registered;
}

namespace {
QString path(const QString& name) {
  registerResources();
  return QStringLiteral(":/pictures/") + name;
}
}  // namespace

QIcon programIcon() { return QIcon(path(QStringLiteral("program.ico"))); }
QPixmap banner() { return QPixmap(path(QStringLiteral("banner.jpg"))); }
QPixmap statusBarClouds() { return QPixmap(path(QStringLiteral("clouds.bmp"))); }
QPixmap statusBarClouds(const QSize& corner) {
  return QPixmap::fromImage(bitmapCorner(path(QStringLiteral("clouds.bmp")), corner));
}
QPixmap productPicture() { return QPixmap(path(QStringLiteral("product.gif"))); }
QCursor handCursor() {
  const QPixmap hand(path(QStringLiteral("hand.cur")));
  // The system's own pointing hand where the picture cannot be had.
  return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 12, 1);
}
QIcon quitIcon() { return QIcon(path(QStringLiteral("quit.ico"))); }
QPixmap toolbarPicture(const QString& name) { return QPixmap(path(name + QStringLiteral(".bmp"))); }
}  // namespace Pictures

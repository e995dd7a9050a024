#include "resources/Pictures.h"

namespace Pictures {
QIcon programIcon() { return QIcon(QStringLiteral(":/pictures/program.ico")); }
}  // namespace Pictures

#pragma once
// The program's shared pictures, compiled in.
#include <QIcon>

namespace Pictures {
QIcon programIcon();
}  // namespace Pictures

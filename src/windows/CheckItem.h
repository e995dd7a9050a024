#pragma once
// A menu item with a check mark that only its handler changes. Qt flips a
// checkable item's mark on its own before the handler runs; these items undo
// that first, so the handler sees and sets the mark itself.
#include <functional>

class QAction;

void MakeCheckItem(QAction* item, bool checked, const std::function<void()>& handler);

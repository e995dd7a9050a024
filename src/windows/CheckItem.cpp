#include "windows/CheckItem.h"

#include <QAction>

void MakeCheckItem(QAction* item, bool checked, const std::function<void()>& handler) {
  item->setCheckable(true);
  item->setChecked(checked);
  QObject::connect(item, &QAction::triggered, item, [item, handler] {
    item->setChecked(!item->isChecked());
    handler();
  });
}

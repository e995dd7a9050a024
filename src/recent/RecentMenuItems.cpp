#include "recent/RecentMenuItems.h"

#include <QAction>
#include <QMenu>

QVector<QAction*> makeRecentFileItems(QMenu* menu, const std::function<void(int)>& onClick) {
  QVector<QAction*> items;
  QAction* separator = menu->addSeparator();
  separator->setVisible(false);
  items.append(separator);
  for (int k = 1; k <= 5; ++k) {
    QAction* entry = menu->addAction(QStringLiteral("RecentFile%1").arg(k));
    entry->setVisible(false);
    QObject::connect(entry, &QAction::triggered, menu, [onClick, k] { onClick(k); });
    items.append(entry);
  }
  return items;
}

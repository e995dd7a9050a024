#pragma once
#include <QVector>
#include <functional>

class QAction;
class QMenu;

// The recent-file items at the end of a File menu: item 0 a separator, items
// 1 to 5 the entries "RecentFile1" to "RecentFile5", all hidden at first.
QVector<QAction*> makeRecentFileItems(QMenu* menu, const std::function<void(int)>& onClick);

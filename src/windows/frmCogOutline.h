#pragma once
// Go To: the outline of a script (message handlers, other labels, symbols,
// each with its line). Typing filters it; choosing an entry closes it.
#include <QDialog>
#include <vector>

#include "cog/Script.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

class frmCogOutline : public QDialog {
  Q_OBJECT
 public:
  explicit frmCogOutline(std::vector<cog::OutlineEntry> entries, QWidget* parent = nullptr);

  QLineEdit* txtFilter = nullptr;
  QTreeWidget* lstEntries = nullptr;

  // The byte offset of the chosen entry; -1 when none was chosen.
  int ChosenOffset() const { return chosen_; }
  // The entries the filter leaves, in order.
  QList<QTreeWidgetItem*> VisibleEntries() const;

  // Handlers.
  void txtFilter_Change();
  void txtFilter_Enter();
  void lstEntries_Choose(QTreeWidgetItem* row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<cog::OutlineEntry> entries_;
  int chosen_ = -1;
};

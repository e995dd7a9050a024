#include "windows/frmCogOutline.h"

#include <QHeaderView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/Codepage1252.h"
#include "resources/Pictures.h"

namespace {
constexpr int kEntryRole = Qt::UserRole;

QString kindName(const cog::OutlineEntry& entry) {
  switch (entry.kind) {
    case cog::OutlineEntry::Kind::Handler: return QStringLiteral("handler");
    case cog::OutlineEntry::Kind::Label: return QStringLiteral("label");
    case cog::OutlineEntry::Kind::Symbol: return Cp1252::toUnicode(QByteArray::fromStdString(entry.detail));
  }
  return QString();
}
}  // namespace

frmCogOutline::frmCogOutline(std::vector<cog::OutlineEntry> entries, QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)) {
  setWindowTitle(QStringLiteral("Go To"));
  setWindowIcon(Pictures::programIcon());
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QStringLiteral("&Find:"), this);
  txtFilter = new QLineEdit(this);
  txtFilter->setPlaceholderText(QStringLiteral("type part of a name"));
  label->setBuddy(txtFilter);
  layout->addWidget(label);
  layout->addWidget(txtFilter);
  lstEntries = new QTreeWidget(this);
  lstEntries->setColumnCount(3);
  lstEntries->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Kind"), QStringLiteral("Line")});
  lstEntries->setRootIsDecorated(false);
  lstEntries->setUniformRowHeights(true);
  lstEntries->setAllColumnsShowFocus(true);
  layout->addWidget(lstEntries, 1);

  QList<QTreeWidgetItem*> rows;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const cog::OutlineEntry& entry = entries_[i];
    QString name = Cp1252::toUnicode(QByteArray::fromStdString(entry.name));
    for (QChar& c : name)
      if (c.unicode() < 0x20) c = QChar(0xFFFD);
    auto* row = new QTreeWidgetItem({name, kindName(entry), QString::number(entry.line)});
    row->setData(0, kEntryRole, int(i));
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    rows.append(row);
  }
  lstEntries->addTopLevelItems(rows);
  lstEntries->resizeColumnToContents(0);
  lstEntries->resizeColumnToContents(1);
  if (!rows.isEmpty()) lstEntries->setCurrentItem(rows.first());

  connect(txtFilter, &QLineEdit::textChanged, this, &frmCogOutline::txtFilter_Change);
  connect(txtFilter, &QLineEdit::returnPressed, this, &frmCogOutline::txtFilter_Enter);
  connect(lstEntries, &QTreeWidget::itemActivated, this, &frmCogOutline::lstEntries_Choose);
  txtFilter->installEventFilter(this);
  txtFilter->setFocus();
  resize(420, 460);
}

QList<QTreeWidgetItem*> frmCogOutline::VisibleEntries() const {
  QList<QTreeWidgetItem*> shown;
  for (int i = 0; i < lstEntries->topLevelItemCount(); ++i)
    if (!lstEntries->topLevelItem(i)->isHidden()) shown.append(lstEntries->topLevelItem(i));
  return shown;
}

void frmCogOutline::txtFilter_Change() {
  const QString typed = txtFilter->text();
  QTreeWidgetItem* first = nullptr;
  for (int i = 0; i < lstEntries->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = lstEntries->topLevelItem(i);
    const bool match = row->text(0).contains(typed, Qt::CaseInsensitive);
    row->setHidden(!match);
    if (match && !first) first = row;
  }
  lstEntries->setCurrentItem(first);
}

void frmCogOutline::txtFilter_Enter() { lstEntries_Choose(lstEntries->currentItem()); }

void frmCogOutline::lstEntries_Choose(QTreeWidgetItem* row) {
  if (!row || row->isHidden()) return;
  chosen_ = entries_[std::size_t(row->data(0, kEntryRole).toInt())].offset;
  accept();
}

// Up and Down in the filter move through the list, as in a combo box.
bool frmCogOutline::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtFilter && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
      QCoreApplication::sendEvent(lstEntries, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

#include "recent/RecentFiles.h"

#include <QAction>

#include "windows/Toolbar.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/OpenFiles.h"
#include "workspace/Program.h"

namespace {
const QString kApp = QStringLiteral("Zentopad");
const QString kSection = QStringLiteral("Recent Files");
constexpr int kListed = 4;  // files the list keeps

QString keyOf(int k) { return QStringLiteral("RecentFile") + QString::number(k); }

// Shows file k of the list as entry k of one window's File menu.
void showEntry(const QVector<QAction*>& items, int k, const QString& FileName) {
  items[0]->setVisible(true);
  SetRecentFileCaption(items[k], FileName);
  items[k]->setVisible(true);
}
}  // namespace

QString RecentFileCaption(const QAction* entry) {
  const QVariant stored = entry->data();
  return stored.isValid() ? stored.toString() : entry->text();
}

void SetRecentFileCaption(QAction* entry, const QString& FileName) {
  entry->setData(FileName);
  QString shown = FileName;
  entry->setText(shown.replace(QLatin1Char('&'), QLatin1String("&&")));
}

void RememberRecentFile(Program& program, const QString& FileName) {
  // A listed file keeps its place: it does not move to the top.
  if (!IsRecentFile(program, FileName)) StoreRecentFiles(program, FileName);
  RefreshRecentMenus(program);
}

bool IsRecentFile(Program& program, const QString& FileName) {
  const QVector<QAction*>& items = program.frame->mnuRecentFile;
  for (int k = 1; k <= kListed; ++k)
    if (RecentFileCaption(items[k]) == FileName) return true;
  return false;
}

void StoreRecentFiles(Program& program, const QString& FileName) {
  SettingsStore& store = program.settings();
  // Each entry moves down one place; the fourth is overwritten and so dropped.
  for (int k = kListed - 1; k >= 1; --k) {
    const QString value = store.GetSetting(kApp, kSection, keyOf(k));
    if (!value.isEmpty()) store.SaveSetting(kApp, kSection, keyOf(k + 1), value);
  }
  store.SaveSetting(kApp, kSection, keyOf(1), FileName);
}

void RefreshRecentMenus(Program& program) {
  SettingsStore& store = program.settings();
  if (store.GetSetting(kApp, kSection, keyOf(1)).isEmpty()) return;
  const QList<QPair<QString, QString>> pairs = store.GetAllSettings(kApp, kSection);
  // Entries 1 to 5 exist; pairs beyond them have nowhere to go.
  const int shown = int(qMin<qsizetype>(pairs.size(), program.frame->mnuRecentFile.size() - 1));
  for (int i = 0; i < shown; ++i) {
    const int k = i + 1;
    const QString& FileName = pairs[i].second;
    showEntry(program.frame->mnuRecentFile, k, FileName);
    for (int j = 1; j < program.DocumentStates.size(); ++j) {
      frmNotePad* window = program.Documents.value(j);
      if (program.DocumentStates[j].Deleted || !window) continue;
      showEntry(window->mnuRecentFile, k, FileName);
    }
  }
}

void OpenRecentFile(Program& program, const QString& FileName) {
  LoadDocumentFile(program, FileName);
  // As after an open through the dialog, so they never stay hidden over a document.
  RestoreEditButtons(program);
  RefreshRecentMenus(program);
}

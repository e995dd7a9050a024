#include "platform/QtRuntime.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

QtRuntime::QtRuntime() { app_.Path = QCoreApplication::applicationDirPath(); }

int QtRuntime::MsgBox(const QString& prompt, int buttons, const QString& title) {
  using namespace MsgBoxCode;
  using namespace MsgBoxResult;
  QMessageBox box;
  box.setWindowTitle(title);
  box.setText(prompt);
  switch (buttons & 0x70) {
    case Critical: box.setIcon(QMessageBox::Critical); break;
    case Question: box.setIcon(QMessageBox::Question); break;
    case Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  struct Choice { QMessageBox::StandardButton button; int result; };
  QList<Choice> choices;
  switch (buttons & 0x7) {
    case OKCancel: choices = {{QMessageBox::Ok, OK}, {QMessageBox::Cancel, Cancel}}; break;
    case YesNoCancel:
      choices = {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}, {QMessageBox::Cancel, Cancel}};
      break;
    case YesNo: choices = {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}}; break;
    default: choices = {{QMessageBox::Ok, OK}}; break;
  }
  for (const Choice& c : choices) box.addButton(c.button);
  const int defaultIndex = qBound(0, (buttons >> 8) & 0x3, int(choices.size()) - 1);
  box.setDefaultButton(choices[defaultIndex].button);
  box.exec();
  const auto pressed = box.standardButton(box.clickedButton());
  for (const Choice& c : choices)
    if (c.button == pressed) return c.result;
  // Closed without a button: the cancel-like choice, or the only one.
  for (const Choice& c : choices)
    if (c.result == Cancel || c.result == No) return c.result;
  return choices.last().result;
}

QStringList nameFiltersFromPipeFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList result;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString& shown = parts[i];
    const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    result << (shown.contains(QLatin1Char('(')) ? shown : shown + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return result;
}

QString resolveInitialFolder(const QString& initDir) {
  QString native = initDir;
  native.replace(QLatin1Char('\\'), QLatin1Char('/'));
#ifdef Q_OS_WIN
  // A folder from the root without a drive is on the current drive.
  if (native.startsWith(QLatin1Char('/')) && !native.startsWith(QLatin1String("//")))
    native = QDir::currentPath().left(2) + native;
#endif
  const QStringList candidates = {native, QDir::home().filePath(native.section(QLatin1Char('/'), -1))};
  for (const QString& c : candidates)
    if (!c.isEmpty() && QFileInfo(c).isDir()) return QFileInfo(c).absoluteFilePath();
  return QDir::homePath();
}

int QtRuntime::showFileDialog(FileDialogSettings& s, bool save) {
  QFileDialog dialog(QApplication::activeWindow(), s.DialogTitle);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(nameFiltersFromPipeFilter(s.Filter));
  dialog.setDefaultSuffix(s.DefaultExt);
  QFileInfo given(s.FileName);
  if (!s.FileName.isEmpty() && given.isAbsolute() && given.dir().exists()) {
    dialog.setDirectory(given.dir());
    dialog.selectFile(given.fileName());
  } else {
    dialog.setDirectory(resolveInitialFolder(s.InitDir));
    if (!s.FileName.isEmpty()) dialog.selectFile(s.FileName);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return DialogCancelled;
  s.FileName = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
  return 0;
}

int QtRuntime::ShowOpen(FileDialogSettings& settings) { return showFileDialog(settings, false); }
int QtRuntime::ShowSave(FileDialogSettings& settings) { return showFileDialog(settings, true); }

void QtRuntime::ShowModal(QDialog& window) {
  window.setWindowModality(Qt::ApplicationModal);
  window.exec();
}

void QtRuntime::SetMousePointer(int pointer) {
  if (pointer == pointer_) return;
  if (pointer_ != MousePointer::Default) QGuiApplication::restoreOverrideCursor();
  if (pointer == MousePointer::Hourglass) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  pointer_ = pointer;
}

std::optional<QString> QtRuntime::ClipboardGetText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return std::nullopt;
  return clipboard->text();
}

bool QtRuntime::ClipboardSetText(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(text);
  return true;
}

QStringList QtRuntime::ScreenFonts() { return QFontDatabase::families(); }

void QtRuntime::End() { QCoreApplication::exit(0); }

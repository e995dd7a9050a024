#pragma once
// Files dropped anywhere on the frame: its client area, the toolbar, a
// document window, a document's text box. A drop that names no local file
// (dragged text) is left to the widget under it, so that text dropped into a
// document is inserted there as before.
#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

class FileDrops : public QObject {
  Q_OBJECT
 public:
  using Opener = std::function<void(const QStringList& files)>;
  // Watches the frame and every window inside it, present and future.
  FileDrops(QWidget& frame, Opener open, QObject* parent = nullptr);
  ~FileDrops() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& frame_;
  Opener open_;
};

// The local files a drop names, in its order; empty when it names none, or
// names anything that is not a local file.
QStringList DroppedFiles(const QMimeData* data);

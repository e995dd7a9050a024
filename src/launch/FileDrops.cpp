#include "launch/FileDrops.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

QStringList DroppedFiles(const QMimeData* data) {
  QStringList files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return QStringList();
    files.append(QDir::toNativeSeparators(url.toLocalFile()));
  }
  return files;
}

FileDrops::FileDrops(QWidget& frame, Opener open, QObject* parent)
    : QObject(parent), frame_(frame), open_(std::move(open)) {
  // The frame takes what its children do not: the client area, the toolbar
  // and a document window's border all lead here.
  frame_.setAcceptDrops(true);
  // The whole application's events: document windows come and go.
  qApp->installEventFilter(this);
}

FileDrops::~FileDrops() { qApp->removeEventFilter(this); }

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != &frame_) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const QStringList files = DroppedFiles(drop->mimeData());
  if (files.isEmpty()) return false;
  if (!(drop->possibleActions() & Qt::CopyAction)) return false;
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop) open_(files);
  return true;
}

#include "platform/QtWorkerQueue.h"

#include <QThread>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

QtWorkerQueue::QtWorkerQueue() = default;

QtWorkerQueue::~QtWorkerQueue() {
  if (!thread_) return;
  thread_->quit();  // after the jobs already queued
  thread_->wait();
  delete worker_;
  delete thread_;
}

void QtWorkerQueue::start() {
  thread_ = new QThread;
  thread_->setObjectName(QStringLiteral("recovery writer"));
  worker_ = new QObject;
  worker_->moveToThread(thread_);
  thread_->start(QThread::LowPriority);
#ifdef Q_OS_LINUX
  // Qt's priorities do not reach ordinary Linux threads: a niced writer
  // waking up does not push the user-interface thread off a busy core, and
  // still gets its turn (an idle-only thread could wait for ever).
  QMetaObject::invokeMethod(worker_, [] { setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10); });
#endif
}

void QtWorkerQueue::Post(std::function<void()> job) {
  if (!thread_) start();
  QMetaObject::invokeMethod(worker_, std::move(job), Qt::QueuedConnection);
}

void QtWorkerQueue::Finish() {
  if (!thread_) return;
  QMetaObject::invokeMethod(worker_, [] {}, Qt::BlockingQueuedConnection);
}

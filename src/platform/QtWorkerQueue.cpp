#include "platform/QtWorkerQueue.h"

#include <QThread>

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
}

void QtWorkerQueue::Post(std::function<void()> job) {
  if (!thread_) start();
  QMetaObject::invokeMethod(worker_, std::move(job), Qt::QueuedConnection);
}

void QtWorkerQueue::Finish() {
  if (!thread_) return;
  QMetaObject::invokeMethod(worker_, [] {}, Qt::BlockingQueuedConnection);
}

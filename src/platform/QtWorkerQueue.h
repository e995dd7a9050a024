#pragma once
#include <QObject>
#include <memory>

#include "platform/WorkerQueue.h"

class QThread;

// One thread of its own, started with the first job, stopped (after the
// jobs already given) when the queue goes.
class QtWorkerQueue : public WorkerQueue {
 public:
  QtWorkerQueue();
  ~QtWorkerQueue() override;
  void Post(std::function<void()> job) override;
  void Finish() override;

 private:
  void start();
  QThread* thread_ = nullptr;
  QObject* worker_ = nullptr;  // lives in thread_, runs the jobs
};

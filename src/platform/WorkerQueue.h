#pragma once
// Jobs done one after another, in the order given, away from the
// user-interface thread: the caller hands over and goes on at once.
#include <functional>

class WorkerQueue {
 public:
  virtual ~WorkerQueue() = default;
  virtual void Post(std::function<void()> job) = 0;
  // Returns once every job posted so far is done.
  virtual void Finish() = 0;
};

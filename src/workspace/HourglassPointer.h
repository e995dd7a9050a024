#pragma once
#include "platform/Runtime.h"

// The hourglass for as long as the object lives; the default pointer again
// however the scope is left.
class HourglassPointer {
 public:
  explicit HourglassPointer(Runtime& runtime) : runtime_(runtime) {
    runtime_.SetMousePointer(MousePointer::Hourglass);
  }
  ~HourglassPointer() { runtime_.SetMousePointer(MousePointer::Default); }
  HourglassPointer(const HourglassPointer&) = delete;
  HourglassPointer& operator=(const HourglassPointer&) = delete;

 private:
  Runtime& runtime_;
};

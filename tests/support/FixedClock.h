#pragma once
// The real system services with a clock that stands still and a date-and-time
// text chosen by the test.
#include "platform/QtSystemServices.h"

class FixedClock : public QtSystemServices {
 public:
  QDateTime now = QDateTime(QDate(2026, 12, 10), QTime(10, 18, 15));
  QString text;                // what DateTimeText answers
  QList<QDateTime> converted;  // what DateTimeText was asked for

  QDateTime Now() override { return now; }
  QString DateTimeText(const QDateTime& when) override {
    converted.append(when);
    return text;
  }
};

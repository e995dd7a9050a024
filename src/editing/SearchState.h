#pragma once
// What one search hands on to the next, shared by all documents.
#include <QString>
#include "workspace/Flags.h"

struct SearchState {
  QString FindText;
  qint16 MatchCase = 0;        // 1 = case-sensitive
  qint16 SearchDirection = 1;  // 0 = up, 1 = down
  int LastFoundPos = 0;        // selection start after the last search
  bool NewSearch = false;      // next search starts afresh at the caret
};

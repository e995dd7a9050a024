#pragma once
// What the last Check Script found, and how the checked text has moved since,
// so that a problem still leads to its place after the user edits.
#include <QPointer>
#include <QString>
#include <vector>

#include "cog/Diagnostic.h"

class frmNotePad;

struct CheckResults {
  QPointer<frmNotePad> document;  // null once it has closed
  QString caption;                // the document's caption at the check
  std::vector<cog::Diagnostic> problems;
  bool checked = false;           // false until the first check
  bool textChanged = false;       // edited since the check

  struct Edit {
    int position;
    int inserted;
    int deleted;
  };
  std::vector<Edit> edits;  // since the check, in order

  // Where a byte offset of the checked text is in the text as it is now.
  int follow(int offset) const;
};

#include "cogedit/CheckResults.h"

int CheckResults::follow(int offset) const {
  for (const Edit& edit : edits) {
    if (edit.inserted > 0 && offset >= edit.position) offset += edit.inserted;
    if (edit.deleted > 0) {
      if (offset >= edit.position + edit.deleted)
        offset -= edit.deleted;
      else if (offset > edit.position)
        offset = edit.position;
    }
  }
  return offset;
}

#include "editing/Search.h"

#include <QLineEdit>
#include <QPushButton>

#include "editing/ActiveDocument.h"
#include "editing/UpperCase1252.h"
#include "editing/frmFind.h"
#include "platform/Codepage1252.h"
#include "windows/TextBox.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/Program.h"

namespace {
// 0-based start of the last occurrence that starts at `last` or before, or -1.
qsizetype lastMatchFrom(const QByteArray& subject, const QByteArray& pattern, qsizetype last) {
  last = qMin(last, subject.size() - pattern.size());
  // lastIndexOf would read a negative start as counted from the end.
  if (last < 0) return -1;
  return subject.lastIndexOf(pattern, last);
}
}  // namespace

void SearchActiveDocument(Program& program) {
  TextBox* box = ActiveTextBox(program);
  SearchState& search = program.Search;
  if (!box || search.FindText.isEmpty()) return;

  const int start = box->SelStart();
  // Continuing steps past the last match; a fresh search may match at the caret.
  const bool continuing = start == search.LastFoundPos && !search.NewSearch;
  const qsizetype from = continuing ? qsizetype(start) + 1 : qsizetype(start);

  // A search text the code page cannot hold occurs nowhere in the document.
  const std::optional<QByteArray> wanted = Cp1252::fromUnicode(search.FindText);
  qsizetype found = -1;
  if (wanted) {
    const bool exact = search.MatchCase != 0;
    const QByteArray subject = exact ? box->Text() : UpperCase1252(box->Text());
    const QByteArray pattern = exact ? *wanted : UpperCase1252(*wanted);
    // Down: the first match at `from` or after. Up: the nearest match that
    // starts two or more before `from`, so a continuing search finds the one
    // just before the last match, overlapping or not.
    found = search.SearchDirection == 1 ? subject.indexOf(pattern, from) : lastMatchFrom(subject, pattern, from - 2);
  }

  if (found >= 0) {
    box->SetSelStart(int(found));
    box->SetSelLength(int(wanted->size()));
  } else {
    program.runtime().MsgBox(QStringLiteral("Cannot find \"%1\"").arg(search.FindText), MsgBoxCode::OKOnly,
                             program.App().Title);
  }
  search.LastFoundPos = box->SelStart();
  search.NewSearch = false;
}

void OpenFindDialog(Program& program, frmNotePad& document) {
  frmFind dialog(program, program.frame);
  const QByteArray selected = document.Text1->SelText();
  dialog.Text1->setText(selected.isEmpty() ? program.Search.FindText : Cp1252::toUnicode(selected));
  program.Search.NewSearch = true;
  if (program.Search.MatchCase != 0) dialog.chkCase->setChecked(true);
  program.runtime().ShowModal(dialog);
}

void FindNext(Program& program, frmNotePad& document) {
  if (program.Search.FindText.isEmpty()) {
    OpenFindDialog(program, document);
    return;
  }
  SearchActiveDocument(program);
}

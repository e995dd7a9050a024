#include "editing/EditCommands.h"

#include "editing/ActiveDocument.h"
#include "platform/Codepage1252.h"
#include "recovery/DocumentRecovery.h"
#include "windows/TextBox.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/Program.h"

namespace {
constexpr char CarriageReturn = 13;

// The clock's text in the document's code page. Some locales put characters
// the code page lacks into their date or time (a narrow no-break space before
// AM/PM, for one); a space that cannot be held becomes a plain blank, any
// other such character is left out.
QByteArray dateTimeBytes(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar c : text) {
    if (const auto b = Cp1252::fromChar(c)) bytes.append(*b);
    else if (c.isSpace()) bytes.append(' ');
  }
  return bytes;
}

// Puts the selection on the clipboard; false when the clipboard refused it.
bool copyToClipboard(Program& program, TextBox& box) {
  return program.runtime().ClipboardSetText(Cp1252::toUnicode(box.SelText()));
}
}  // namespace

void CopySelection(Program& program) {
  if (TextBox* box = ActiveTextBox(program)) copyToClipboard(program, *box);
}

void CutSelection(Program& program) {
  TextBox* box = ActiveTextBox(program);
  if (!box) return;
  // What the clipboard did not take stays in the document.
  if (!copyToClipboard(program, *box)) return;
  if (box->SelLength() > 0) box->SetSelText(QByteArray());
}

void PasteClipboard(Program& program) {
  TextBox* box = ActiveTextBox(program);
  if (!box) return;
  const std::optional<QString> text = program.runtime().ClipboardGetText();
  if (!text) return;  // the clipboard could not be read
  // Text the code page cannot hold is refused whole rather than altered.
  const std::optional<QByteArray> bytes = Cp1252::fromUnicode(*text);
  if (!bytes) return;
  if (bytes->isEmpty() && box->SelLength() == 0) return;
  box->SetSelText(*bytes);
}

void DeleteSelection(Program& program) {
  TextBox* box = ActiveTextBox(program);
  if (!box) return;
  if (box->SelStart() == box->Length()) return;
  if (box->SelLength() == 0) {
    box->SetSelLength(1);
    // A CR LF line break goes as one.
    if (box->SelText().startsWith(CarriageReturn)) box->SetSelLength(2);
  }
  box->SetSelText(QByteArray());
}

void SelectAll(Program& program) {
  TextBox* box = ActiveTextBox(program);
  if (!box) return;
  box->SetSelStart(0);
  box->SetSelLength(box->Length());
}

void InsertTimeDate(Program& program, frmNotePad& document) {
  SystemServices& system = program.system();
  document.Text1->SetSelText(dateTimeBytes(system.DateTimeText(system.Now())));
}

void MarkDocumentChanged(Program& program, frmNotePad& document) {
  StateOf(program, document).Changed = True16;
  RecoveryDocumentChanged(program, document);
}

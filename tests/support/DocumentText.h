#pragma once
// Puts a text and a selection into a document's text box for a test, and
// clears the document's Changed flag that setting the text raised.
#include <QByteArray>

#include "windows/TextBox.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/Program.h"

inline void setDocument(Program& program, frmNotePad& document, const QByteArray& text, int selStart = 0,
                        int selLength = 0) {
  document.Text1->SetText(text);
  document.Text1->SetSelStart(selStart);
  document.Text1->SetSelLength(selLength);
  StateOf(program, document).Changed = False16;
}

inline bool isChanged(Program& program, frmNotePad& document) {
  return StateOf(program, document).Changed == True16;
}

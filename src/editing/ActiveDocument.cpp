#include "editing/ActiveDocument.h"

#include "windows/TextBox.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/Program.h"

TextBox* ActiveTextBox(Program& program) {
  if (!program.frame) return nullptr;
  frmNotePad* document = program.frame->ActiveForm();
  return document ? document->Text1 : nullptr;
}

#pragma once
// Steps a user takes with documents, as the tests of files and closing use them.
#include <QCoreApplication>

#include "TestEnv.h"
#include "workspace/CloseDocuments.h"
#include "workspace/OpenFiles.h"

// Chooses path in the open dialog; returns the active document afterwards.
inline frmNotePad* openThroughDialog(TestEnv& env, const QString& path) {
  env.runtime.fileAnswers.enqueue(path);
  PromptOpenFile(*env.program);
  QCoreApplication::processEvents();
  return env.frame->ActiveForm();
}

// The document's Close item; the window is gone once events have run.
inline void closeDocument(TestEnv& env, frmNotePad* document) {
  UnloadDocument(*env.program, *document);
  QCoreApplication::processEvents();
}

// Types over the document's text as the user would, marking it changed.
inline void editText(frmNotePad* document, const QByteArray& text) { document->Text1->SetText(text); }

// Every byte value once, 0 to 255.
inline QByteArray everyByte() {
  QByteArray bytes;
  for (int b = 0; b < 256; ++b) bytes.append(char(b));
  return bytes;
}

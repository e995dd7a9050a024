#pragma once
#include <QString>
class Program;
class frmNotePad;

// The question a changed document asks before it closes.
QString SaveQuestionText(const QString& caption);

// A document window is about to close: may ask the save question and cancel.
void QueryUnloadDocument(Program& program, frmNotePad& document, bool& Cancel);
// A document window has closed: its slot is freed.
void DocumentUnloaded(Program& program, frmNotePad& document);
// Unloads one document window (its Close item): asks, then closes.
void UnloadDocument(Program& program, frmNotePad& document);
// Asks every document before unloading any; false when one cancelled.
bool UnloadAllDocuments(Program& program);
// The frame has unloaded: ends the program once no document is open.
void FrameUnloaded(Program& program);
// Exit and Quit: the quit window, then the frame's unload.
void QuitProgram(Program& program);

#pragma once
class Program;
class frmNotePad;

// Searches the active document with the search state.
void SearchActiveDocument(Program& program);
// Find Code and Find Next Code of a document window.
void OpenFindDialog(Program& program, frmNotePad& document);
void FindNext(Program& program, frmNotePad& document);

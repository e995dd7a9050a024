#pragma once
// What the Cog menu's items do.
#include <QString>

#include "cog/Game.h"

class Program;
class frmNotePad;

// A COG script: a .cog file, or an untitled document (new scripts start so).
bool IsCogDocument(const frmNotePad& document);

// Check Script: the document's problems in the results window and marked in its text.
void CheckScript(Program& program, frmNotePad& document);
// A row of the results window: its document active, the problem selected.
void ChooseProblem(Program& program, int index);
// Go To: the outline; the caret goes to the chosen entry.
void GoToOutline(Program& program, frmNotePad& document);
// Colours: on or off for every open COG document, and kept.
void ToggleCogColours(Program& program);
// The game whose tables the check and the colours read, kept.
void ChooseCogGame(Program& program, cog::Game game);

// A document's colouring as the choices and its name say (on a new caption too).
void ApplyCogColours(Program& program, frmNotePad& document);
// After the font menu: the colouring's styles take the document's new face.
void KeepCogFont(Program& program, frmNotePad& document, const QString& family);

// Problems listed at most in the results window; the rest are counted.
inline constexpr int kListedProblems = 2000;

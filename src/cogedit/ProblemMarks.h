#pragma once
// The places a check found, marked in the text with a squiggle coloured by
// severity. Marks are no part of the text: its bytes, its undo history and
// its Changed flag stay as they are.
#include <vector>

#include "cog/Diagnostic.h"

class QsciScintilla;
class QColor;

// The indicator number that marks problems of a severity.
int problemIndicator(cog::Severity severity);
QColor problemColour(cog::Severity severity);

void MarkProblems(QsciScintilla& box, const std::vector<cog::Diagnostic>& problems);
void ClearProblemMarks(QsciScintilla& box);

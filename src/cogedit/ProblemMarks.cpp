#include "cogedit/ProblemMarks.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {
// Above the numbers the control and QScintilla use for their own marks.
constexpr int kFirstIndicator = 20;
constexpr cog::Severity kSeverities[] = {cog::Severity::Error, cog::Severity::Warning, cog::Severity::Note};

void defineIndicators(QsciScintilla& box) {
  for (cog::Severity severity : kSeverities) {
    const int number = problemIndicator(severity);
    box.indicatorDefine(QsciScintilla::SquiggleIndicator, number);
    box.setIndicatorForegroundColor(problemColour(severity), number);
    box.setIndicatorDrawUnder(false, number);
  }
}
}  // namespace

int problemIndicator(cog::Severity severity) { return kFirstIndicator + int(severity); }

QColor problemColour(cog::Severity severity) {
  // Bright enough to see on the blue paper, apart from the text colours.
  switch (severity) {
    case cog::Severity::Error: return QColor(0xFF, 0x40, 0x40);
    case cog::Severity::Warning: return QColor(0xFF, 0x8C, 0x00);
    case cog::Severity::Note: return QColor(0xE0, 0xE0, 0xE0);
  }
  return QColor(0xFF, 0x40, 0x40);
}

void MarkProblems(QsciScintilla& box, const std::vector<cog::Diagnostic>& problems) {
  ClearProblemMarks(box);
  defineIndicators(box);
  const int length = int(box.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
  for (const cog::Diagnostic& problem : problems) {
    int start = std::clamp(problem.offset, 0, length);
    int count = std::min(problem.length, length - start);
    if (count <= 0) {
      // A point (such as a missing ';'): the byte after it, or the one
      // before it where a line or the text ends, so that the mark shows.
      if (length == 0) continue;
      const int next = start < length ? int(box.SendScintilla(QsciScintillaBase::SCI_GETCHARAT,
                                                              static_cast<unsigned long>(start))) : '\n';
      if ((next == '\r' || next == '\n') && start > 0) --start;
      count = 1;
    }
    box.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT,
                      static_cast<unsigned long>(problemIndicator(problem.severity)));
    box.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start),
                      static_cast<long>(count));
  }
}

void ClearProblemMarks(QsciScintilla& box) {
  const int length = int(box.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
  for (cog::Severity severity : kSeverities) {
    box.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT,
                      static_cast<unsigned long>(problemIndicator(severity)));
    box.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0UL, static_cast<long>(length));
  }
}

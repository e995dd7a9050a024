#include "cogedit/CogCommands.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <string_view>

#include "cog/Script.h"
#include "cogedit/CogColours.h"
#include "cogedit/CogEditing.h"
#include "cogedit/CogLexer.h"
#include "cogedit/CogMenu.h"
#include "cogedit/ProblemMarks.h"
#include "platform/Runtime.h"
#include "windows/TextBox.h"
#include "windows/frmCogOutline.h"
#include "windows/frmCogResults.h"
#include "windows/frmMDI.h"
#include "windows/frmNotePad.h"
#include "workspace/DocumentTable.h"
#include "workspace/Program.h"

namespace {
// The document's text in place, without a copy; valid until the next edit.
std::string_view textOf(TextBox& box) {
  const auto* bytes = static_cast<const char*>(box.SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
  return std::string_view(bytes, std::size_t(box.Length()));
}

void tellNotCog(Program& program, const frmNotePad& document, const QString& command) {
  program.runtime().MsgBox(command + QStringLiteral(" works on COG scripts only (.cog files and untitled documents); ") +
                               document.Caption() + QStringLiteral(" is not one."),
                           MsgBoxCode::OKOnly | MsgBoxCode::Information, program.App().Title);
}

CogLexer* lexerOf(const frmNotePad& document) { return qobject_cast<CogLexer*>(document.Text1->lexer()); }

frmCogResults& resultsWindow(CogEditing& cog) {
  if (!cog.resultsWindow) {
    cog.resultsWindow = new frmCogResults(cog.program, cog.program.frame);
    // Over the frame's lower right corner, where it hides the least text.
    const QRect frame = cog.program.frame->frameGeometry();
    const QSize size = cog.resultsWindow->size();
    cog.resultsWindow->move(std::max(frame.left(), frame.right() - size.width() - 24),
                            std::max(frame.top(), frame.bottom() - size.height() - 48));
  }
  return *cog.resultsWindow;
}

// Brings a place well into view: a line at the very edge of the page is
// easily missed, so one outside the middle of it goes a third of the way down.
void bringIntoView(TextBox& box, int start, int end) {
  const auto send = [&box](unsigned int message, unsigned long w = 0, long l = 0) {
    return box.SendScintilla(message, w, l);
  };
  const long line = send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(start));
  const long shown = send(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
  const long first = send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  const long page = send(QsciScintillaBase::SCI_LINESONSCREEN);
  const long margin = std::min(2L, page / 4);
  if (shown < first + margin || shown >= first + page - margin)
    send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(std::max(0L, shown - page / 3)));
  send(QsciScintillaBase::SCI_SCROLLRANGE, static_cast<unsigned long>(end), start);
}

// From now on, edits of the checked document move its problems along and
// take their marks away; its closing takes the rows.
void watchChecked(CogEditing& cog, frmNotePad& document) {
  QObject::disconnect(cog.watchText);
  QObject::disconnect(cog.watchClose);
  CogEditing* c = &cog;
  TextBox* box = document.Text1;
  cog.watchText = QObject::connect(
      box, &QsciScintillaBase::SCN_MODIFIED, c, [c, box](int position, int type, const char*, int length) {
        const bool insert = type & QsciScintillaBase::SC_MOD_INSERTTEXT;
        const bool remove = type & QsciScintillaBase::SC_MOD_DELETETEXT;
        if (!insert && !remove) return;
        c->results.edits.push_back({position, insert ? length : 0, remove ? length : 0});
        if (c->results.textChanged) return;
        c->results.textChanged = true;
        ClearProblemMarks(*box);
        if (c->resultsWindow) c->resultsWindow->ShowTextChanged();
      });
  cog.watchClose = QObject::connect(&document, &QObject::destroyed, c, [c] {
    c->results.problems.clear();
    c->results.edits.clear();
    if (c->resultsWindow) c->resultsWindow->ShowDocumentClosed(c->results.caption);
  });
}
}  // namespace

bool IsCogDocument(const frmNotePad& document) {
  const QString caption = document.Caption();
  return IsUntitledCaption(caption) || caption.endsWith(QLatin1String(".cog"), Qt::CaseInsensitive);
}

void CheckScript(Program& program, frmNotePad& document) {
  CogEditing* cog = program.cog;
  if (!cog) return;
  if (!IsCogDocument(document)) {
    tellNotCog(program, document, QStringLiteral("Check Script"));
    return;
  }
  cog::ScriptReport report = cog::checkScript(textOf(*document.Text1), cog->choices.game);
  CheckResults& results = cog->results;
  results.document = &document;
  results.caption = document.Caption();
  results.problems = std::move(report.diagnostics);
  results.checked = true;
  results.textChanged = false;
  results.edits.clear();
  MarkProblems(*document.Text1, results.problems);
  watchChecked(*cog, document);
  frmCogResults& window = resultsWindow(*cog);
  window.ShowResults(results.caption, results.problems, kListedProblems, report.omitted);
  window.show();
  window.raise();
}

void ChooseProblem(Program& program, int index) {
  CogEditing* cog = program.cog;
  if (!cog) return;
  const CheckResults& results = cog->results;
  if (index < 0 || index >= int(results.problems.size())) return;
  frmNotePad* document = results.document;
  if (!document || document->unloaded()) {
    if (cog->resultsWindow) cog->resultsWindow->ShowDocumentClosed(results.caption);
    return;
  }
  const cog::Diagnostic& problem = results.problems[std::size_t(index)];
  TextBox* box = document->Text1;
  const int length = box->Length();
  const int start = qBound(0, results.follow(problem.offset), length);
  const int end = qBound(start, results.follow(problem.offset + problem.length), length);
  program.frame->Activate(document);
  program.frame->activateWindow();
  box->SetSelStart(start);
  box->SetSelLength(end - start);
  bringIntoView(*box, start, end);
  box->setFocus();
}

void GoToOutline(Program& program, frmNotePad& document) {
  if (!program.cog) return;
  if (!IsCogDocument(document)) {
    tellNotCog(program, document, QStringLiteral("Go To"));
    return;
  }
  frmCogOutline outline(cog::outlineOf(textOf(*document.Text1)), program.frame);
  program.runtime().ShowModal(outline);
  const int offset = outline.ChosenOffset();
  if (offset < 0) return;
  TextBox* box = document.Text1;
  const int place = qBound(0, offset, box->Length());
  box->SetSelStart(place);
  bringIntoView(*box, place, place);
  box->setFocus();
}

void ApplyCogColours(Program& program, frmNotePad& document) {
  CogEditing* cog = program.cog;
  if (!cog) return;
  TextBox* box = document.Text1;
  const bool wanted = cog->choices.colours && IsCogDocument(document);
  CogLexer* lexer = lexerOf(document);
  if (wanted && lexer) {
    lexer->setGame(cog->choices.game);
  } else if (wanted) {
    box->setLexer(new CogLexer(cog->choices.game, box->font(), box));
    box->setCaretForegroundColor(cogColour(CogStyle::Plain));
  } else if (lexer) {
    // Back to the plain text box exactly: its face, paper, ink and caret.
    box->setLexer(nullptr);
    delete lexer;
    box->SendScintilla(QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
    const QFont face = box->font();
    box->setFont(face);
    box->setPaper(documentPaper());
    box->setColor(box->palette().color(QPalette::WindowText));
    box->setCaretForegroundColor(box->palette().color(QPalette::WindowText));
  }
}

void KeepCogFont(Program&, frmNotePad& document, const QString& family) {
  CogLexer* lexer = lexerOf(document);
  if (!lexer) return;
  // With a lexer the text box leaves its font alone: the face goes to the
  // widget (what the font menu reads back) and to every style.
  QFont face = document.Text1->font();
  face.setFamily(family);
  document.Text1->QWidget::setFont(face);
  lexer->setDocumentFont(face);
}

void ToggleCogColours(Program& program) {
  CogEditing* cog = program.cog;
  if (!cog) return;
  cog->choices.colours = !cog->choices.colours;
  SaveCogChoices(program.settings(), cog->choices);
  for (frmNotePad* document : program.frame->DocumentWindows()) ApplyCogColours(program, *document);
  RefreshCogMenus(program);
}

void ChooseCogGame(Program& program, cog::Game game) {
  CogEditing* cog = program.cog;
  if (!cog) return;
  cog->choices.game = game;
  SaveCogChoices(program.settings(), cog->choices);
  for (frmNotePad* document : program.frame->DocumentWindows()) ApplyCogColours(program, *document);
  RefreshCogMenus(program);
}

// Check Script: the results window's rows, the jumps they make, the marks in
// the text, and what happens when the text changes or the document goes.
#include <QtTest>
#include <QLabel>
#include <QTreeWidget>

#include "CogSteps.h"
#include "DocumentText.h"
#include "cog/Script.h"
#include "cogedit/CogCommands.h"
#include "cogedit/ProblemMarks.h"
#include "windows/frmCogResults.h"

class CogResultsTest : public QObject {
  Q_OBJECT
 private slots:
  void oneRowPerProblemInAModelessWindow();
  void choosingARowSelectsTheProblemInItsDocument();
  void problemsAreMarkedUntilTheTextChanges();
  void aMissingSemicolonIsMarkedWhereItShows();
  void aCleanScriptSaysSo();
  void otherFilesAreNotCheckedAsCog_data();
  void otherFilesAreNotCheckedAsCog();
  void theDocumentClosedWhileItsResultsAreOpen();
  void rowsFollowTheTextEditedAfterTheCheck();
  void thousandsOfProblemsAreCapped();
  void binaryBytesAreCheckedWithoutHarm();
  void checkingLeavesTheTextAlone();
  void theChosenGamesVerbsAreKnown();
};

namespace {
// Two faults the game cannot live with and one it can.
const QByteArray kFaulty =
    "# two faults\r\n"
    "symbols\r\n"
    "message startup\r\n"
    "end\r\n"
    "code\r\n"
    "startup:\r\n"
    "   SetWallCell(x, 1);\r\n"
    "   call nowhere;\r\n"
    "   Return;\r\n"
    "end\r\n";

frmCogResults* resultsOf(CogEnv& c) { return c.cog->resultsWindow; }

QList<QTreeWidgetItem*> rowsOf(frmCogResults* window) {
  QList<QTreeWidgetItem*> rows;
  for (int i = 0; i < window->lstProblems->topLevelItemCount(); ++i) rows.append(window->lstProblems->topLevelItem(i));
  return rows;
}

// The row whose text names this check.
QTreeWidgetItem* rowFor(frmCogResults* window, const QString& check) {
  for (QTreeWidgetItem* row : rowsOf(window))
    if (row->text(2).endsWith(QStringLiteral("[") + check + QStringLiteral("]"))) return row;
  return nullptr;
}

void choose(frmCogResults* window, QTreeWidgetItem* row) {
  emit window->lstProblems->itemActivated(row, 0);
  QCoreApplication::processEvents();
}

bool markedAt(TextBox* box, cog::Severity severity, int position) {
  return box->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT,
                            static_cast<unsigned long>(problemIndicator(severity)), static_cast<long>(position)) != 0;
}

int markedBytes(TextBox* box) {
  int marked = 0;
  for (cog::Severity s : {cog::Severity::Error, cog::Severity::Warning, cog::Severity::Note})
    for (int p = 0; p < box->Length(); ++p) marked += markedAt(box, s, p) ? 1 : 0;
  return marked;
}
}  // namespace

void CogResultsTest::oneRowPerProblemInAModelessWindow() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("faulty.cog"), kFaulty);
  c.menu(d).checkScript->trigger();
  frmCogResults* window = resultsOf(c);
  QVERIFY(window);
  QVERIFY(window->isVisible());
  QVERIFY(!window->isModal());
  QCOMPARE(window->windowModality(), Qt::NonModal);
  QVERIFY(c.env.runtime.modalWindows.isEmpty());
  QVERIFY(window->windowTitle().contains(d->Caption()));

  const std::vector<cog::Diagnostic> expected = cog::checkScript(kFaulty.toStdString(), cog::Game::JediKnight).diagnostics;
  QVERIFY(expected.size() >= 2);
  const QList<QTreeWidgetItem*> rows = rowsOf(window);
  QCOMPARE(rows.size(), qsizetype(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    QCOMPARE(rows[int(i)]->text(0), QString::number(expected[i].line));
    QCOMPARE(rows[int(i)]->text(1), QString::fromLatin1(cog::severityName(expected[i].severity)));
    QCOMPARE(rows[int(i)]->text(2), ProblemText(expected[i]));
  }
  QVERIFY(rowFor(window, QStringLiteral("unknown-verb")));
  QCOMPARE(rowFor(window, QStringLiteral("unknown-verb"))->text(0), QStringLiteral("7"));
  QVERIFY(rowFor(window, QStringLiteral("missing-label")));
  QVERIFY(window->lblSummary->text().contains(QStringLiteral("2 errors")));

  // One per frame: a second check, of another script, reuses it.
  frmNotePad* other = c.open(QStringLiteral("lift.cog"), liftScript());
  c.menu(other).checkScript->trigger();
  QCOMPARE(resultsOf(c), window);
  QVERIFY(window->windowTitle().contains(other->Caption()));
}

void CogResultsTest::choosingARowSelectsTheProblemInItsDocument() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("faulty.cog"), kFaulty);
  c.menu(d).checkScript->trigger();
  CreateNewDocument(*c.env.program);  // another document comes to the front
  QVERIFY(c.env.frame->ActiveForm() != d);

  frmCogResults* window = resultsOf(c);
  choose(window, rowFor(window, QStringLiteral("unknown-verb")));
  QCOMPARE(c.env.frame->ActiveForm(), d);
  QCOMPARE(d->Text1->SelText(), QByteArray("SetWallCell"));
  QCOMPARE(d->Text1->SelStart(), int(kFaulty.indexOf("SetWallCell")));

  choose(window, rowFor(window, QStringLiteral("missing-label")));
  QVERIFY(d->Text1->SelText().contains("nowhere"));
  QCOMPARE(c.env.frame->ActiveForm(), d);
}

void CogResultsTest::problemsAreMarkedUntilTheTextChanges() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("faulty.cog"), kFaulty);
  TextBox* box = d->Text1;
  c.menu(d).checkScript->trigger();
  const int verb = int(kFaulty.indexOf("SetWallCell"));
  QVERIFY(markedAt(box, cog::Severity::Error, verb));
  QVERIFY(markedAt(box, cog::Severity::Error, verb + 10));
  QVERIFY(!markedAt(box, cog::Severity::Error, verb - 1));
  QVERIFY(!markedAt(box, cog::Severity::Error, 0));
  QVERIFY(!markedAt(box, cog::Severity::Warning, verb));
  QVERIFY(problemColour(cog::Severity::Error) != problemColour(cog::Severity::Warning));
  QVERIFY(problemColour(cog::Severity::Warning) != problemColour(cog::Severity::Note));
  QCOMPARE(box->SendScintilla(QsciScintillaBase::SCI_INDICGETSTYLE,
                              static_cast<unsigned long>(problemIndicator(cog::Severity::Error))),
           long(QsciScintillaBase::INDIC_SQUIGGLE));

  box->SetSelStart(box->Length());
  QTest::keyClicks(box, "x");
  QCOMPARE(markedBytes(box), 0);
  QVERIFY(resultsOf(c)->lblSummary->text().contains(QStringLiteral("changed")));
}

// A point at a line's end is marked on the last character before it, in
// view when chosen, however far down.
void CogResultsTest::aMissingSemicolonIsMarkedWhereItShows() {
  CogEnv c;
  QByteArray text = liftScript();
  text.insert(int(text.indexOf("code\r\n")), QByteArray(200, '#').replace("#", "#\r\n"));
  text.replace("   MoveToFrame(lift, 0, speed);", "   MoveToFrame(lift, 0, speed)");
  frmNotePad* d = c.open(QStringLiteral("semicolon.cog"), text);
  TextBox* box = d->Text1;
  box->resize(400, 200);
  c.menu(d).checkScript->trigger();
  QTreeWidgetItem* row = rowFor(resultsOf(c), QStringLiteral("missing-semicolon"));
  QVERIFY(row);
  const int close = int(text.indexOf("speed)\r\n")) + 5;
  QVERIFY(markedAt(box, cog::Severity::Error, close));
  QCOMPARE(markedBytes(box), 1);
  choose(resultsOf(c), row);
  const long line = box->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(box->SelStart()));
  QCOMPARE(line, long(text.left(close).count('\n')));
  const long first = box->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  const long page = box->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
  const long shown = box->SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line));
  QVERIFY(shown > first && shown < first + page - 1);
}

void CogResultsTest::aCleanScriptSaysSo() {
  CogEnv c;
  frmNotePad* d = c.env.doc(1);  // untitled: a script being written
  setDocument(*c.env.program, *d, liftScript());
  c.menu(d).checkScript->trigger();
  frmCogResults* window = resultsOf(c);
  QVERIFY(window && window->isVisible());
  QCOMPARE(window->lblSummary->text(), QStringLiteral("No problems found."));
  QCOMPARE(window->lstProblems->topLevelItemCount(), 0);
  QVERIFY(!window->lstProblems->isVisible());
  QCOMPARE(markedBytes(d->Text1), 0);
  QVERIFY(c.env.runtime.messages.isEmpty());
}

void CogResultsTest::otherFilesAreNotCheckedAsCog_data() {
  QTest::addColumn<QString>("name");
  for (const char* name : {"level.dat", "game.mpc", "player.plr", "notes.txt", "faulty.cog.txt"})
    QTest::newRow(name) << QString::fromLatin1(name);
}

void CogResultsTest::otherFilesAreNotCheckedAsCog() {
  QFETCH(QString, name);
  CogEnv c;
  frmNotePad* d = c.open(name, kFaulty);
  c.menu(d).checkScript->trigger();
  QCOMPARE(c.env.runtime.messages.size(), 1);
  QVERIFY(c.env.runtime.messages[0].text.contains(QStringLiteral("COG scripts only")));
  QVERIFY(c.env.runtime.messages[0].text.contains(d->Caption()));
  QCOMPARE(c.env.runtime.messages[0].title, c.env.program->App().Title);
  QVERIFY(!resultsOf(c));
  QCOMPARE(markedBytes(d->Text1), 0);

  c.menu(d).goTo->trigger();
  QCOMPARE(c.env.runtime.messages.size(), 2);
  QVERIFY(c.env.runtime.messages[1].text.contains(QStringLiteral("COG scripts only")));
  QVERIFY(c.env.runtime.modalWindows.isEmpty());
}

void CogResultsTest::theDocumentClosedWhileItsResultsAreOpen() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("faulty.cog"), kFaulty);
  const QString caption = d->Caption();
  c.menu(d).checkScript->trigger();
  frmCogResults* window = resultsOf(c);
  QTreeWidgetItem* row = rowFor(window, QStringLiteral("unknown-verb"));
  QVERIFY(row);
  closeDocument(c.env, d);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!c.env.program->Documents.value(2));
  QCOMPARE(window->lstProblems->topLevelItemCount(), 0);
  QVERIFY(window->lblSummary->text().contains(caption));
  QVERIFY(window->lblSummary->text().contains(QStringLiteral("closed")));
  // Nothing left to lead anywhere, and nothing dangles.
  ChooseProblem(*c.env.program, 0);
  QCOMPARE(c.env.frame->ActiveForm(), c.env.doc(1));
  QCOMPARE(c.env.doc(1)->Text1->SelLength(), 0);
  // A new check fills it again.
  c.menu(c.env.doc(1)).checkScript->trigger();
  QVERIFY(window->windowTitle().endsWith(QStringLiteral("Untitled:1")));
  QVERIFY(!window->lblSummary->text().contains(QStringLiteral("closed")));
}

void CogResultsTest::rowsFollowTheTextEditedAfterTheCheck() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("faulty.cog"), kFaulty);
  TextBox* box = d->Text1;
  c.menu(d).checkScript->trigger();
  frmCogResults* window = resultsOf(c);

  // Lines added above the problem: it is found where it went.
  box->SetSelStart(0);
  box->SetSelText("# a new first line\r\n# and a second\r\n");
  QVERIFY(window->lblSummary->text().contains(QStringLiteral("changed")));
  choose(window, rowFor(window, QStringLiteral("unknown-verb")));
  QCOMPARE(box->SelText(), QByteArray("SetWallCell"));

  // Its text typed over: the selection stays inside the text.
  const int at = int(box->Text().indexOf("SetWallCell"));
  box->SetSelStart(at);
  box->SetSelLength(int(qstrlen("SetWallCell(x, 1);\r\n   call nowhere;")));
  box->SetSelText("Sleep(1);");
  choose(window, rowFor(window, QStringLiteral("missing-label")));
  QVERIFY(box->SelStart() >= at && box->SelStart() <= at + 9);
  QVERIFY(box->SelStart() + box->SelLength() <= box->Length());

  // The whole text replaced: still nothing out of bounds.
  box->SetText("x");
  choose(window, rowFor(window, QStringLiteral("missing-label")));
  QVERIFY(box->SelStart() <= 1);
}

void CogResultsTest::thousandsOfProblemsAreCapped() {
  CogEnv c;
  QByteArray text = "symbols\r\nmessage startup\r\nend\r\ncode\r\nstartup:\r\n";
  const int bad = 5000;
  for (int i = 0; i < bad; ++i) text += "   Zz(" + QByteArray::number(i % 10) + ");\r\n";
  text += "   Return;\r\nend\r\n";
  QVERIFY(text.size() <= 65000);
  frmNotePad* d = c.open(QStringLiteral("many.cog"), text);
  c.menu(d).checkScript->trigger();
  // The library lists a check that fires very often for its first few
  // hundred places only; the window counts the rest and says so.
  const int found = int(c.cog->results.problems.size());
  QVERIFY(found < bad);
  frmCogResults* window = resultsOf(c);
  QCOMPARE(window->lstProblems->topLevelItemCount(), std::min(found, kListedProblems) + 1);
  QVERIFY(window->lstProblems->topLevelItem(found)->text(2).contains(QString::number(bad - found) + QStringLiteral(" more")));
  QVERIFY(window->lblSummary->text().startsWith(QString::number(bad) + QStringLiteral(" errors")));

  // More problems than the list shows: the first ones, then a counting line.
  std::vector<cog::Diagnostic> many;
  for (int i = 0; i < bad; ++i) {
    cog::Diagnostic problem;
    problem.line = 6 + i;
    problem.offset = int(text.indexOf("Zz", i == 0 ? 0 : many.back().offset + 1));
    problem.length = 2;
    problem.check = "unknown-verb";
    problem.text = "'Zz' is not a verb";
    many.push_back(problem);
  }
  c.cog->results.problems = many;
  window->ShowResults(d->Caption(), many, kListedProblems);
  QCOMPARE(window->lstProblems->topLevelItemCount(), kListedProblems + 1);
  QTreeWidgetItem* more = window->lstProblems->topLevelItem(kListedProblems);
  QCOMPARE(frmCogResults::ProblemOf(more), -1);
  QVERIFY(more->text(2).contains(QString::number(bad - kListedProblems) + QStringLiteral(" more")));
  QVERIFY(window->lblSummary->text().contains(QString::number(bad) + QStringLiteral(" errors")));
  // The counting line leads nowhere; the last listed row still does.
  const int before = d->Text1->SelStart();
  choose(window, more);
  QCOMPARE(d->Text1->SelStart(), before);
  choose(window, window->lstProblems->topLevelItem(kListedProblems - 1));
  QCOMPARE(d->Text1->SelText(), QByteArray("Zz"));
  QCOMPARE(d->Text1->SelStart(), many[std::size_t(kListedProblems - 1)].offset);
}

void CogResultsTest::binaryBytesAreCheckedWithoutHarm() {
  CogEnv c;
  QByteArray bytes;
  for (int i = 0; i < 40; ++i) bytes += everyByte();
  frmNotePad* d = c.open(QStringLiteral("binary.cog"), bytes);
  c.menu(d).colours->trigger();
  c.menu(d).checkScript->trigger();
  c.menu(d).checkScript->trigger();
  frmCogResults* window = resultsOf(c);
  QVERIFY(window->lstProblems->topLevelItemCount() > 0);
  for (QTreeWidgetItem* row : rowsOf(window))
    for (QChar ch : row->text(2)) QVERIFY(ch.unicode() >= 0x20);
  choose(window, window->lstProblems->topLevelItem(0));
  QCOMPARE(d->Text1->Text(), bytes);
  QVERIFY(!isChanged(*c.env.program, *d));
}

void CogResultsTest::checkingLeavesTheTextAlone() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("faulty.cog"), kFaulty);
  c.menu(d).colours->trigger();
  c.menu(d).checkScript->trigger();
  choose(resultsOf(c), rowFor(resultsOf(c), QStringLiteral("unknown-verb")));
  QCOMPARE(d->Text1->Text(), kFaulty);
  QVERIFY(!isChanged(*c.env.program, *d));
  QVERIFY(!d->Text1->SendScintilla(QsciScintillaBase::SCI_CANUNDO));
}

void CogResultsTest::theChosenGamesVerbsAreKnown() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("mots.cog"),
                         "symbols\r\nmessage startup\r\nthing t\r\nend\r\ncode\r\nstartup:\r\n"
                         "   AISetAlignment(t, 1);\r\n   Return;\r\nend\r\n");
  c.menu(d).checkScript->trigger();
  QVERIFY(rowFor(resultsOf(c), QStringLiteral("unknown-verb")));
  c.menu(d).mysteries->trigger();
  c.menu(d).checkScript->trigger();
  QVERIFY(!rowFor(resultsOf(c), QStringLiteral("unknown-verb")));
}

QTEST_MAIN(CogResultsTest)
#include "tst_cogresults.moc"

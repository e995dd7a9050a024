// SearchActiveDocument: fresh and continuing searches, up and down, with and
// without case, and Find Next across documents.
#include <QtTest>

#include "DocumentText.h"
#include "TestEnv.h"
#include "editing/Search.h"
#include "workspace/CloseDocuments.h"

namespace {
QString cannotFind(const QString& text) { return QStringLiteral("Cannot find \"") + text + QLatin1Char('"'); }

void setSearch(Program& program, const QString& text, int matchCase, int direction, int lastFoundPos,
               bool newSearch) {
  program.Search.FindText = text;
  program.Search.MatchCase = qint16(matchCase);
  program.Search.SearchDirection = qint16(direction);
  program.Search.LastFoundPos = lastFoundPos;
  program.Search.NewSearch = newSearch;
}

struct Selection {
  int start;
  int length;
};

Selection selectionOf(frmNotePad* doc) { return {doc->Text1->SelStart(), doc->Text1->SelLength()}; }
}  // namespace

class SearchTest : public QObject {
  Q_OBJECT
 private slots:
  void search_data();
  void search();
  void downStepsThroughOverlappingMatches();
  void upStepsBackTowardsTheBeginning();
  void oneCharacterEndingAtTheCaretIsFoundOnTheSecondTry();
  void positionsBeyondSixteenBits();
  void findNextAcrossTwoDocuments_data();
  void findNextAcrossTwoDocuments();
  void findNextWithoutTextOpensTheDialog();
  void findNextWithTextSearchesWithoutTheDialog();
  void noDocumentNoSearch();
};

enum Direction { Up = 0, Down = 1 };

void SearchTest::search_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<int>("selStart");
  QTest::addColumn<int>("selLength");
  QTest::addColumn<QString>("find");
  QTest::addColumn<int>("matchCase");
  QTest::addColumn<int>("direction");
  QTest::addColumn<int>("lastFoundPos");
  QTest::addColumn<bool>("newSearch");
  QTest::addColumn<int>("expStart");  // -1: not found, selection unchanged
  QTest::addColumn<int>("expLength");

  const QString abc = QStringLiteral("abc");
  // Down.
  QTest::newRow("down fresh: match at the caret") << QByteArray("abcabc") << 0 << 0 << abc << 0 << int(Down) << 0 << true << 0 << 3;
  QTest::newRow("down fresh: caret moved away from the last match")
      << QByteArray("abcabc") << 3 << 0 << abc << 0 << int(Down) << 0 << false << 3 << 3;
  QTest::newRow("down fresh: from the selection start") << QByteArray("abcabc") << 3 << 3 << abc << 0 << int(Down) << 3 << true << 3 << 3;
  QTest::newRow("down continuing: steps past the match") << QByteArray("abcabc") << 0 << 3 << abc << 0 << int(Down) << 0 << false << 3 << 3;
  QTest::newRow("down continuing: after the last one") << QByteArray("abcabc") << 3 << 3 << abc << 0 << int(Down) << 3 << false << -1 << 0;
  QTest::newRow("down: caret at the end") << QByteArray("abc") << 3 << 0 << abc << 0 << int(Down) << 0 << true << -1 << 0;
  QTest::newRow("down: no wrap-around") << QByteArray("abc xyz") << 4 << 0 << abc << 0 << int(Down) << 0 << true << -1 << 0;
  QTest::newRow("down: last characters of the text") << QByteArray("xx\r\nabc") << 0 << 0 << abc << 0 << int(Down) << 0 << true << 4 << 3;
  QTest::newRow("down: across a line break") << QByteArray("ab\r\ncd") << 0 << 0 << QStringLiteral("b\r\nc") << 1 << int(Down) << 0 << true << 1 << 4;
  QTest::newRow("down: past a NUL") << QByteArray("a\0b\0c", 5) << 0 << 0 << QStringLiteral("c") << 1 << int(Down) << 0 << true << 4 << 1;
  // Case.
  QTest::newRow("no case: lower finds upper") << QByteArray("xx ABC") << 0 << 0 << abc << 0 << int(Down) << 0 << true << 3 << 3;
  QTest::newRow("no case: upper finds mixed") << QByteArray("xx aBc") << 0 << 0 << QStringLiteral("ABC") << 0 << int(Down) << 0 << true << 3 << 3;
  QTest::newRow("case: lower misses upper") << QByteArray("xx ABC") << 0 << 0 << abc << 1 << int(Down) << 0 << true << -1 << 0;
  QTest::newRow("case: finds the exact one") << QByteArray("ABC abc") << 0 << 0 << abc << 1 << int(Down) << 0 << true << 4 << 3;
  QTest::newRow("no case: accented letters") << QByteArray("x\xe9t\xe9") << 0 << 0 << QStringLiteral(u"\u00c9T\u00c9") << 0 << int(Down) << 0 << true << 1 << 3;
  QTest::newRow("no case: code page letters above 0x80") << QByteArray("x\x9a\x9c\xff") << 0 << 0 << QStringLiteral(u"\u0160\u0152\u0178") << 0 << int(Down) << 0 << true << 1 << 3;
  QTest::newRow("case: accented letters differ") << QByteArray("x\xe9t\xe9") << 0 << 0 << QStringLiteral(u"\u00c9T\u00c9") << 1 << int(Down) << 0 << true << -1 << 0;
  QTest::newRow("no case: sharp s keeps its length") << QByteArray("STRASSE stra\xdf" "e") << 0 << 0 << QStringLiteral(u"STRA\u00dfE") << 0 << int(Down) << 0 << true << 8 << 6;
  QTest::newRow("text the code page lacks") << QByteArray("abc") << 0 << 0 << QStringLiteral(u"\u0436") << 0 << int(Down) << 0 << true << -1 << 0;
  // Up.
  QTest::newRow("up fresh: one character ending at the caret")
      << QByteArray("xa") << 2 << 0 << QStringLiteral("a") << 0 << int(Up) << 0 << true << -1 << 0;
  QTest::newRow("up continuing: one character ending at the caret")
      << QByteArray("xa") << 2 << 0 << QStringLiteral("a") << 0 << int(Up) << 2 << false << 1 << 1;
  QTest::newRow("up fresh: two characters ending at the caret")
      << QByteArray("xab") << 3 << 0 << QStringLiteral("ab") << 0 << int(Up) << 0 << true << 1 << 2;
  QTest::newRow("up fresh: caret at the start") << QByteArray("abc") << 0 << 0 << QStringLiteral("a") << 0 << int(Up) << 0 << true << -1 << 0;
  QTest::newRow("up fresh: caret after the first character")
      << QByteArray("abc") << 1 << 0 << QStringLiteral("a") << 0 << int(Up) << 0 << true << -1 << 0;
  QTest::newRow("up continuing: the first character") << QByteArray("abc") << 1 << 0 << QStringLiteral("a") << 0 << int(Up) << 1 << false << 0 << 1;
  QTest::newRow("up continuing: the previous match") << QByteArray("abab") << 2 << 2 << QStringLiteral("ab") << 0 << int(Up) << 2 << false << 0 << 2;
  QTest::newRow("up continuing: overlapping") << QByteArray("aaaa") << 1 << 2 << QStringLiteral("aa") << 0 << int(Up) << 1 << false << 0 << 2;
  QTest::newRow("up: a match may not run past the end")
      << QByteArray("abcab") << 5 << 0 << QStringLiteral("abc") << 0 << int(Up) << 5 << false << 0 << 3;
  QTest::newRow("up: no case") << QByteArray("ABC x") << 5 << 0 << abc << 0 << int(Up) << 0 << true << 0 << 3;
  QTest::newRow("up: no wrap-around") << QByteArray("x abc") << 1 << 0 << abc << 0 << int(Up) << 0 << true << -1 << 0;
  QTest::newRow("up: pattern longer than the text") << QByteArray("ab") << 2 << 0 << abc << 0 << int(Up) << 2 << false << -1 << 0;
}

void SearchTest::search() {
  QFETCH(QByteArray, text);
  QFETCH(int, selStart);
  QFETCH(int, selLength);
  QFETCH(QString, find);
  QFETCH(int, matchCase);
  QFETCH(int, direction);
  QFETCH(int, lastFoundPos);
  QFETCH(bool, newSearch);
  QFETCH(int, expStart);
  QFETCH(int, expLength);
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, text, selStart, selLength);
  setSearch(*env.program, find, matchCase, direction, lastFoundPos, newSearch);

  SearchActiveDocument(*env.program);

  const Selection after = selectionOf(doc);
  if (expStart < 0) {
    QCOMPARE(env.runtime.messages.size(), 1);
    QCOMPARE(env.runtime.messages[0].text, cannotFind(find));
    QCOMPARE(env.runtime.messages[0].buttons, MsgBoxCode::OKOnly);
    QCOMPARE(env.runtime.messages[0].title, QStringLiteral("Torvane Edit"));
    QCOMPARE(after.start, selStart);
    QCOMPARE(after.length, selLength);
  } else {
    QVERIFY(env.runtime.messages.isEmpty());
    QCOMPARE(after.start, expStart);
    QCOMPARE(after.length, expLength);
  }
  QCOMPARE(env.program->Search.LastFoundPos, after.start);
  QCOMPARE(env.program->Search.NewSearch, false);
  QCOMPARE(env.program->Search.FindText, find);
  QCOMPARE(doc->Text1->Text(), text);
  QVERIFY(!isChanged(*env.program, *doc));
}

void SearchTest::downStepsThroughOverlappingMatches() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "aaaa");
  setSearch(*env.program, QStringLiteral("aa"), 0, Down, 0, true);
  QList<int> starts;
  for (int i = 0; i < 3; ++i) {
    SearchActiveDocument(*env.program);
    starts.append(doc->Text1->SelStart());
    QCOMPARE(doc->Text1->SelLength(), 2);
  }
  QCOMPARE(starts, (QList<int>{0, 1, 2}));
  QVERIFY(env.runtime.messages.isEmpty());
  SearchActiveDocument(*env.program);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.runtime.messages[0].text, cannotFind(QStringLiteral("aa")));
  QCOMPARE(doc->Text1->SelStart(), 2);  // the last match stays selected
  QCOMPARE(doc->Text1->SelLength(), 2);
}

void SearchTest::upStepsBackTowardsTheBeginning() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "ab ab\r\nab", 9);
  setSearch(*env.program, QStringLiteral("AB"), 0, Up, 0, true);
  QList<int> starts;
  for (int i = 0; i < 3; ++i) {
    SearchActiveDocument(*env.program);
    starts.append(doc->Text1->SelStart());
  }
  QCOMPARE(starts, (QList<int>{7, 3, 0}));
  QVERIFY(env.runtime.messages.isEmpty());
  SearchActiveDocument(*env.program);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(doc->Text1->SelStart(), 0);
  QCOMPARE(doc->Text1->SelLength(), 2);
}

void SearchTest::oneCharacterEndingAtTheCaretIsFoundOnTheSecondTry() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "xyz;", 4);
  setSearch(*env.program, QStringLiteral(";"), 0, Up, 0, true);
  SearchActiveDocument(*env.program);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(env.program->Search.LastFoundPos, 4);
  SearchActiveDocument(*env.program);
  QCOMPARE(env.runtime.messages.size(), 1);
  QCOMPARE(doc->Text1->SelStart(), 3);
  QCOMPARE(doc->Text1->SelLength(), 1);
}

void SearchTest::positionsBeyondSixteenBits() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  QByteArray text(70000, 'x');
  text.replace(40000, 6, "needle");
  text.replace(69990, 6, "NEEDLE");
  setDocument(*env.program, *doc, text, 0);
  setSearch(*env.program, QStringLiteral("needle"), 0, Down, 0, true);
  SearchActiveDocument(*env.program);
  QCOMPARE(doc->Text1->SelStart(), 40000);
  SearchActiveDocument(*env.program);
  QCOMPARE(doc->Text1->SelStart(), 69990);
  QCOMPARE(doc->Text1->SelLength(), 6);
  QCOMPARE(env.program->Search.LastFoundPos, 69990);
  env.program->Search.SearchDirection = Up;
  SearchActiveDocument(*env.program);
  QCOMPARE(doc->Text1->SelStart(), 40000);
  QVERIFY(env.runtime.messages.isEmpty());
}

void SearchTest::findNextAcrossTwoDocuments_data() {
  QTest::addColumn<QByteArray>("firstText");
  QTest::addColumn<int>("firstMatch");
  QTest::addColumn<int>("expStart");
  // The second document's caret stands at 4, where a match starts.
  QTest::newRow("fresh at the other document's caret") << QByteArray("COG") << 0 << 4;
  QTest::newRow("continuing: the caret equals LastFoundPos") << QByteArray("....COG") << 4 << 8;
}

void SearchTest::findNextAcrossTwoDocuments() {
  QFETCH(QByteArray, firstText);
  QFETCH(int, firstMatch);
  QFETCH(int, expStart);
  TestEnv env;
  frmNotePad* first = env.doc(1);
  CreateNewDocument(*env.program);
  frmNotePad* second = env.doc(2);
  setDocument(*env.program, *first, firstText, 0);
  setDocument(*env.program, *second, "....cog.cog", 4);
  env.frame->Activate(first);
  QCOMPARE(env.frame->ActiveForm(), first);
  setSearch(*env.program, QStringLiteral("cog"), 0, Down, 0, true);
  first->mnuSearchFindNext->trigger();
  QCOMPARE(first->Text1->SelStart(), firstMatch);
  QCOMPARE(env.program->Search.LastFoundPos, firstMatch);

  env.frame->Activate(second);
  QCOMPARE(env.frame->ActiveForm(), second);
  second->mnuSearchFindNext->trigger();
  QVERIFY(env.runtime.messages.isEmpty());
  QVERIFY(env.runtime.modalWindows.isEmpty());
  QCOMPARE(second->Text1->SelStart(), expStart);
  QCOMPARE(second->Text1->SelLength(), 3);
  QCOMPARE(first->Text1->SelStart(), firstMatch);  // the other document is left alone
  QCOMPARE(first->Text1->SelLength(), 3);
}

void SearchTest::findNextWithoutTextOpensTheDialog() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "abc", 0);
  env.program->Search.FindText.clear();
  env.runtime.modalActions.enqueue([](QDialog& dialog) { dialog.close(); });
  doc->mnuSearchFindNext->trigger();
  QCOMPARE(env.runtime.modalWindows, QList<QString>{QStringLiteral("frmFind")});
  QVERIFY(env.runtime.messages.isEmpty());
  QCOMPARE(env.runtime.unscripted, 0);
}

void SearchTest::findNextWithTextSearchesWithoutTheDialog() {
  TestEnv env;
  frmNotePad* doc = env.doc(1);
  setDocument(*env.program, *doc, "abcabc", 0);
  setSearch(*env.program, QStringLiteral("bc"), 0, Down, 0, true);
  doc->mnuSearchFindNext->trigger();
  doc->mnuSearchFindNext->trigger();
  QVERIFY(env.runtime.modalWindows.isEmpty());
  QCOMPARE(doc->Text1->SelStart(), 4);
  QCOMPARE(doc->Text1->SelLength(), 2);
}

void SearchTest::noDocumentNoSearch() {
  TestEnv env;
  UnloadDocument(*env.program, *env.doc(1));
  QCoreApplication::processEvents();
  QVERIFY(!env.frame->ActiveForm());
  setSearch(*env.program, QStringLiteral("x"), 0, Down, 5, false);
  SearchActiveDocument(*env.program);
  QVERIFY(env.runtime.messages.isEmpty());
  QCOMPARE(env.program->Search.LastFoundPos, 5);
}

QTEST_MAIN(SearchTest)
#include "tst_search.moc"

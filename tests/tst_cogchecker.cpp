// The checker over small scripts of our own, each showing one fault or one
// legitimate oddity: every check fires where it should, with its severity and
// line, and stays silent where the game is lenient. Then a realistic clean
// script, and the outline.
#include <QFile>
#include <QtTest>

#include <string>

#include "cog/Script.h"
#include "cog/Tables.h"

using cog::Game;

Q_DECLARE_METATYPE(Game)

namespace {

// "LINE:severity:check" for every diagnostic, in the checker's order.
QStringList findings(const std::string& text, Game game) {
  QStringList out;
  for (const cog::Diagnostic& d : cog::checkScript(text, game).diagnostics)
    out << QStringLiteral("%1:%2:%3").arg(d.line).arg(QLatin1String(cog::severityName(d.severity)),
                                                       QString::fromStdString(d.check));
  return out;
}

QString describe(const std::string& text, Game game) {
  QString out;
  for (const cog::Diagnostic& d : cog::checkScript(text, game).diagnostics)
    out += QStringLiteral("\n  %1:%2: %3: %4 [%5]")
               .arg(d.line)
               .arg(d.column)
               .arg(QLatin1String(cog::severityName(d.severity)), QString::fromStdString(d.text),
                    QString::fromStdString(d.check));
  return out;
}

// A script whose symbols start on line 2 and whose code starts on line N + 4
// for N symbol lines.
std::string script(const std::string& symbols, const std::string& code) {
  return "symbols\n" + symbols + "end\ncode\n" + code + "end\n";
}

}  // namespace

class CogCheckerTest : public QObject {
  Q_OBJECT
 private slots:
  void fixtures_data();
  void fixtures();
  void cleanScriptHasNoErrorOrWarning_data();
  void cleanScriptHasNoErrorOrWarning();
  void motsVerbsAndMessagesDependOnTheGame();
  void argumentCountDifferingIsANote();
  void diagnosticsCarryPlaceAndText();
  void outline();
  void outlineOfMatchesCheckScript();
  void aCheckFiringOftenCountsWhatItLeavesOut();
};

void CogCheckerTest::fixtures_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QStringList>("expected");
  const auto row = [](const char* name, const std::string& text, const QStringList& expected) {
    QTest::newRow(name) << QByteArray::fromStdString(text) << expected;
  };
  const std::string startup = "message startup\n";  // line 2

  // --- layout ---
  row("empty file", "", {"1:error:missing-symbols"});
  row("no symbols section", "# remark\ncode\nreturn;\nend\n", {"2:error:missing-symbols"});
  row("'//' before symbols is text to the game", "// remark\nsymbols\nend\ncode\nreturn;\nend\n",
      {"1:error:missing-symbols"});
  row("no code section", "symbols\nend\n", {"3:error:missing-code"});
  row("symbols without end", "symbols\nint a\n", {"1:error:missing-symbols-end", "3:error:missing-code"});
  row("symbols end missing before code", "symbols\nint a\ncode\nreturn;\nend\n",
      {"3:error:missing-symbols-end"});
  row("text between end and code", "symbols\nend\nstray words\ncode\nreturn;\nend\n",
      {"3:error:text-between-sections"});
  row("'//' between end and code", "symbols\nend\n// remark\ncode\nreturn;\nend\n",
      {"3:error:text-between-sections"});
  row("text after the code's end", script("", "return;\n") + "x = 1;\n", {"6:error:text-after-end"});
  row("stray end drops the next handler",
      "symbols\nmessage startup\nmessage pulse\nend\ncode\nstartup:\n return;\nend\npulse:\n return;\nend\n",
      {"3:warning:unhandled-message", "9:error:text-after-end"});
  row("empty code section", script("", ""), {"4:error:empty-code"});
  row("code without end", "symbols\nend\ncode\nreturn;\n", {"5:warning:missing-end"});

  // --- brackets ---
  row("open parenthesis", script("int a\n", "a = (1 + 2;\n"), {"5:error:unbalanced-brackets"});
  row("extra parenthesis", script("int a\n", "a = 1 + 2);\n"), {"5:error:unbalanced-brackets"});
  row("bracket closed by parenthesis", script("int a\n", "a = a[1);\n"), {"5:error:unbalanced-brackets"});
  row("open brace at end", script("int a\n", "{ a = 1;\n"), {"6:error:end-in-block"});
  row("open brace at end of text", "symbols\nend\ncode\n{ return;\n",
      {"4:error:unbalanced-brackets", "5:warning:missing-end"});
  row("extra brace", script("", "return;\n}\n"), {"5:error:unbalanced-brackets"});

  // --- statements the grammar refuses ---
  row("++", script("int a\n", "a++;\n"), {"5:error:unsupported-operator"});
  row("+=", script("int a\n", "a += 1;\n"), {"5:error:unsupported-operator"});
  row("=>", script("int a\n", "if (a => 1) a = 0;\n"), {"5:error:unsupported-operator"});
  row("unary plus", script("int a\n", "a = +1;\n"), {"5:error:unsupported-operator"});
  row("/* */ comment, one error", script("int a\n", "/* it's\n done */ a = 1;\n"), {"5:error:block-comment"});
  row("for with empty third clause", script("int a\n", "for (a = 0; a < 2;) a = 1;\n"), {"5:error:for-clause"});
  row("for with empty condition", script("int a\n", "for (a = 0; ; a = a + 1) a = 1;\n"),
      {"5:error:for-clause"});
  row("missing semicolon", script("int a\n", "a = 1\na = 2;\n"), {"5:error:missing-semicolon"});
  row("missing semicolon after return", script("", "return\n"), {"4:error:missing-semicolon"});
  row("break", script("int a\n", "while (a) break;\n"), {"5:error:unsupported-statement"});
  row("assignment to an expression", script("int a\n", "a + 1 = 2;\n"), {"5:error:assignment-target"});
  row("else without if", script("int a\n", "else a = 1;\n"), {"5:error:syntax"});
  row("label without statement", script("", "done:\n"), {"4:error:label-without-statement"});
  row("two operands", script("int a\nint b\n", "a = (a b);\n"), {"6:error:syntax"});
  row("unterminated string", script("", "Print(\"hello);\n"), {"4:error:unterminated-string"});
  row("unterminated vector", script("vector v\n", "v = '1 2 3;\n"), {"5:error:unterminated-vector"});

  // --- names, labels, verbs ---
  row("unknown verb", script("", "Foo(1);\nreturn;\n"), {"4:error:unknown-verb"});
  row("call to a missing label", script("", "call nowhere;\n"), {"4:error:missing-label"});
  row("goto a missing label", script("", "goto nowhere;\n"), {"4:error:missing-label"});
  row("label defined twice", script("", "here:\nreturn;\nhere:\nreturn;\ncall here;\n"),
      {"6:error:duplicate-label"});
  row("symbol declared twice", script("int a\nflex A\n", "a = 1;\n"), {"3:error:duplicate-symbol"});
  row("declared message without handler", script(startup, "return;\n"), {"2:warning:unhandled-message"});
  row("handler of an undeclared message", script("", "pulse:\nreturn;\n"), {"4:warning:undeclared-handler"});
  row("unknown message", script("message bogus\n", "bogus:\nreturn;\n"), {"2:warning:unknown-message"});
  row("unknown symbol type", script("thng door\n", "return;\n"), {"2:warning:unknown-symbol-type"});
  row("symbol without a name", script("thing\n", "return;\n"), {"2:warning:symbol-without-name"});
  row("undeclared name is a note", script("", "ghost[2] = 1;\n"), {"4:note:undeclared-name"});
  row("skipped byte is a note", script("int a\n", "a = 1; $\n"), {"5:note:ignored-character"});

  // --- lenient, like the game: silent ---
  row("any case",
      "SYMBOLS\nMessage StartUp\nInt Count=0 Local\nEND\nCODE\nstartup:\n  COUNT = count + 1;\n  SetPulse(1);\n"
      "  Return;\nEND\n",
      {});
  row("extra words after a declaration", script("int a=1 local whatever, more words\n", "a = 2;\n"), {});
  row("mask and flags without 0x", "flags=240\nsymbols\nthing t mask=404 linkid=1\nend\ncode\nt = -1;\nend\n",
      {});
  row("name[index] past the declared symbols", script("int a\n", "a[40] = a[1];\n"), {});
  row("message names as values", script(startup, "startup:\nSendMessage(GetSelfCog(), user1);\nreturn;\n"), {});
  row("comments with quotes",
      "# it's \"quoted\"\nsymbols\n# don't 'x'\nint a   # a's\n// remark's\n; semicolon remark\nend\n# \"\ncode\n"
      "a = 1; # it's\n// \"don't\"\nend\n",
      {});
  row("stacked labels share a handler",
      script("message startup\nmessage newplayer\n", "startup:\nnewplayer:\n  return;\n"), {});
  row("message-named label reached by call", script("", "call pulse;\nreturn;\npulse:\nreturn;\n"), {});
  row("stop, empty statement, nested blocks",
      script("int a\n", "{ ; { a = 1; } }\nif (a) a = 2; else if (!a) a = 3; else { a = -a; }\nstop;\n"), {});
  row("do, while and for with an empty first clause",
      script("int a\n", "do a = a - 1; while (a > 0);\nwhile (a < 3) a = a + 1;\nfor (; a < 9; a = a + 1) ;\n"),
      {});
  row("numbers, strings and vectors",
      script("int a\nvector v\n", "a = 0x1F + 010 + .5 + 1.5e3 + 2E-1 + 3.;\nv = '0 0 .4';\nPrint(\"a\\\"b\");\n"),
      {});
  row("comma operator and nested calls", script("int a\nint b\n", "a = 1, b = 2;\nif (a, b) a = VectorX(GetThingPos(b));\n"),
      {});
  row("verb called without arguments", script("int a\n", "a = GetSenderRef();\n"), {});
  row("assignment to an index and chained", script("int a\nint b\n", "a[1] = b = (a + 1) * -b;\n"), {});
  row("Latin-1 and a DOS end-of-file byte",
      "# \xa9 caf\xe9\nsymbols\nint a # na\xefve\nend\ncode\na = 1;\nend\n\x1a", {});
  row("CR LF and lone CR line ends", "symbols\r\nint a\rend\r\ncode\ra = 1;\r\nend\r\n", {});
}

void CogCheckerTest::fixtures() {
  QFETCH(QByteArray, text);
  QFETCH(QStringList, expected);
  const std::string s = text.toStdString();
  const QStringList got = findings(s, Game::JediKnight);
  QVERIFY2(got == expected, qPrintable(QStringLiteral("expected %1, got:%2")
                                          .arg(expected.join(QLatin1Char(' ')), describe(s, Game::JediKnight))));
}

void CogCheckerTest::cleanScriptHasNoErrorOrWarning_data() {
  QTest::addColumn<Game>("game");
  QTest::newRow("jk") << Game::JediKnight;
  QTest::newRow("mots") << Game::MysteriesOfTheSith;
}

void CogCheckerTest::cleanScriptHasNoErrorOrWarning() {
  QFETCH(Game, game);
  QFile file(QStringLiteral(TORVANE_COG_TESTDATA "/clean.cog"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const std::string text = file.readAll().toStdString();
  QVERIFY(text.size() > 2000);
  const cog::ScriptReport report = cog::checkScript(text, game);
  QStringList notes;
  for (const cog::Diagnostic& d : report.diagnostics) {
    QVERIFY2(d.severity == cog::Severity::Note, qPrintable(describe(text, game)));
    notes << QString::fromStdString(d.check) + QLatin1Char(':') + QString::number(d.line);
  }
  // The variables it makes without declaring them, and nothing else.
  QCOMPARE(notes, QStringList({"undeclared-name:61", "undeclared-name:63", "undeclared-name:79",
                               "undeclared-name:85", "undeclared-name:92"}));
}

void CogCheckerTest::motsVerbsAndMessagesDependOnTheGame() {
  const std::string text = script("message preblock\n", "preblock:\n  AIGetAlignment(1);\n  return;\n");
  QCOMPARE(findings(text, Game::MysteriesOfTheSith), QStringList());
  QCOMPARE(findings(text, Game::JediKnight),
           QStringList({"2:warning:unknown-message", "6:error:unknown-verb"}));
  const std::string message = cog::checkScript(text, Game::JediKnight).diagnostics.back().text;
  QVERIFY2(message.find("Mysteries of the Sith") != std::string::npos, message.c_str());
}

void CogCheckerTest::argumentCountDifferingIsANote() {
  const char* candidates[] = {"BitTest", "ClearSectorFlags", "GetGravity", "Sleep", "SetPulse", "SetTimer", "GetSenderRef", "GetSelfCog", "PlayMode", "Print"};
  const cog::VerbInfo* verb = nullptr;
  for (const char* name : candidates) {
    verb = cog::findVerb(name, Game::JediKnight);
    if (verb && verb->args >= 0) break;
    verb = nullptr;
  }
  if (!verb) QSKIP("the verb table holds no argument counts yet");
  std::string wrong = std::string(verb->name) + "(";
  for (int i = 0; i <= verb->args; ++i) wrong += i ? ", 1" : "1";
  std::string right = std::string(verb->name) + "(";
  for (int i = 0; i < verb->args; ++i) right += i ? ", 1" : "1";
  QCOMPARE(findings(script("", wrong + ");\n"), Game::JediKnight), QStringList({"4:note:argument-count"}));
  QCOMPARE(findings(script("", right + ");\n"), Game::JediKnight), QStringList());
}

void CogCheckerTest::diagnosticsCarryPlaceAndText() {
  const std::string text = script("int a\n", "a = 1;\n  Foo(a);\n");
  const cog::ScriptReport report = cog::checkScript(text, Game::JediKnight);
  QCOMPARE(report.diagnostics.size(), std::size_t(1));
  const cog::Diagnostic& d = report.diagnostics.front();
  QCOMPARE(d.line, 6);
  QCOMPARE(d.column, 3);
  QCOMPARE(text.substr(d.offset, d.length), std::string("Foo"));
  QCOMPARE(d.check, std::string("unknown-verb"));
  QVERIFY(d.text.find("'Foo'") != std::string::npos);
  QVERIFY(d.text.find('\n') == std::string::npos);
}

void CogCheckerTest::outline() {
  const std::string text =
      "symbols\n"
      "message startup\n"
      "message newplayer\n"
      "thing door\n"
      "template boom=+debris\n"
      "end\n"
      "code\n"
      "startup:\n"
      "newplayer:\n"
      "  call open;\n"
      "  return;\n"
      "open:\n"
      "  return;\n"
      "end\n";
  const cog::ScriptReport report = cog::checkScript(text, Game::JediKnight);
  QStringList got;
  for (const cog::OutlineEntry& e : report.outline) {
    const char* kind = e.kind == cog::OutlineEntry::Kind::Handler ? "handler"
                       : e.kind == cog::OutlineEntry::Kind::Label ? "label"
                                                                   : "symbol";
    got << QStringLiteral("%1 %2 %3 %4").arg(QLatin1String(kind), QString::fromStdString(e.name),
                                             QString::fromStdString(e.detail)).arg(e.line);
    QCOMPARE(text.substr(e.offset, e.name.size()), e.name);
  }
  QCOMPARE(got, QStringList({"symbol startup message 2", "symbol newplayer message 3", "symbol door thing 4",
                             "symbol boom template 5", "handler startup  8", "handler newplayer  9",
                             "label open  12"}));
}

void CogCheckerTest::outlineOfMatchesCheckScript() {
  QFile file(QStringLiteral(TORVANE_COG_TESTDATA "/clean.cog"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const std::string text = file.readAll().toStdString();
  const auto a = cog::outlineOf(text);
  const auto b = cog::checkScript(text, Game::JediKnight).outline;
  QCOMPARE(a.size(), b.size());
  QVERIFY(a.size() > 20);
  for (std::size_t i = 0; i < a.size(); ++i) {
    QCOMPARE(a[i].name, b[i].name);
    QCOMPARE(a[i].offset, b[i].offset);
  }
}

QTEST_GUILESS_MAIN(CogCheckerTest)
void CogCheckerTest::aCheckFiringOftenCountsWhatItLeavesOut() {
  std::string code;
  for (int i = 0; i < 1000; ++i) code += "  Zz(1);\n";
  code += "  ghost = 1;\n";
  const cog::ScriptReport report = cog::checkScript(script("", code), Game::JediKnight);
  int listed = 0;
  for (const cog::Diagnostic& d : report.diagnostics) listed += d.check == "unknown-verb";
  QVERIFY(listed > 0 && listed < 1000);
  QCOMPARE(report.omitted[int(cog::Severity::Error)], 1000 - listed);
  QCOMPARE(report.omitted[int(cog::Severity::Note)], 0);
  // Another check is still listed after the one that went over.
  QCOMPARE(report.diagnostics.back().check, std::string("undeclared-name"));
}

#include "tst_cogchecker.moc"

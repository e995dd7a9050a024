// Any bytes are input: the COG library reads them on a thread with a small
// stack (so deep nesting must not recurse), never crashes and gives sensible
// findings. Large inputs are made here rather than kept in the tree. Every
// input the fuzzer ever found (tests/cog/regressions/) is read again too.
#include <QDir>
#include <QFile>
#include <QThread>
#include <QtTest>

#include <functional>
#include <string>

#include "cog/Lexer.h"
#include "cog/Script.h"

namespace {

constexpr int kDepth = 100000;

std::string repeat(const std::string& s, int n) {
  std::string out;
  out.reserve(s.size() * std::size_t(n));
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

std::string code(const std::string& body) { return "symbols\nint x\nend\ncode\n" + body + "\nend\n"; }

// Pseudo-random bytes, the same on every run.
std::string noise(std::size_t size, std::uint32_t seed) {
  std::string out(size, '\0');
  for (char& c : out) {
    seed = seed * 1664525u + 1013904223u;
    c = char(seed >> 24);
  }
  return out;
}

// Runs `work` on a thread whose stack is far too small for recursion over the nesting.
void onSmallStack(const std::function<void()>& work) {
  QThread* thread = QThread::create(work);
  thread->setStackSize(256 * 1024);
  thread->start();
  QVERIFY(thread->wait());
  delete thread;
}

struct Outcome {
  int errors = 0;
  int warnings = 0;
  std::size_t diagnostics = 0;
  std::string firstError;
  std::size_t outline = 0;
  int tokens = 0;
};

Outcome readAll(const std::string& text) {
  Outcome o;
  onSmallStack([&] {
    for (const cog::Game game : {cog::Game::JediKnight, cog::Game::MysteriesOfTheSith}) {
      const cog::ScriptReport report = cog::checkScript(text, game);
      o.errors = o.warnings = 0;
      o.diagnostics = report.diagnostics.size();
      o.outline = report.outline.size();
      for (const cog::Diagnostic& d : report.diagnostics) {
        if (d.severity == cog::Severity::Error && o.errors++ == 0) o.firstError = d.check;
        if (d.severity == cog::Severity::Warning) ++o.warnings;
      }
    }
    (void)cog::outlineOf(text);
    cog::Lexer lexer(text);
    cog::Token t{};
    while (lexer.next(t)) ++o.tokens;
  });
  return o;
}

}  // namespace

class CogBadInputTest : public QObject {
  Q_OBJECT
 private slots:
  void inputs_data();
  void inputs();
  void findingsStayFewOnNoise();
  void regressions_data();
  void regressions();
};

void CogBadInputTest::inputs_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QString>("firstError");  // empty: no error at all
  const auto row = [](const char* name, const std::string& text, const char* firstError) {
    QTest::newRow(name) << QByteArray::fromStdString(text) << QString::fromLatin1(firstError);
  };
  row("empty", "", "missing-symbols");
  row("only blanks", "  \r\n\t\n", "missing-symbols");
  row("NUL bytes", std::string("symbols\0int\0x\nend\ncode\nx = 1;\0\0\nend\n", 32), "");
  row("binary", noise(1 << 20, 7), "missing-symbols");
  row("text that is not COG", "[Settings]\nname=value\n\nint main(void) { return 0; }\n", "missing-symbols");
  row("10 MB script",
      "symbols\nmessage startup\nthing a\nend\ncode\nstartup:\n" +
          repeat("  x = GetThingPos(a); if (x > 2) { call startup; } # it's fine\n", 10 * 1024 * 1024 / 64) +
          "end\n",
      "");
  row("1 MB line of code", code("x = " + repeat("1 + ", 1 << 18) + "1;"), "");
  row("1 MB line of symbols", "symbols\nint " + repeat("y", 1 << 20) + "\nend\ncode\nx = 1;\nend\n", "");
  row("1 MB comment line", code("# " + repeat("\"'", 1 << 19) + "\nx = 1;"), "");
  row("nested parentheses", code("x = " + repeat("(", kDepth) + "1" + repeat(")", kDepth) + ";"), "");
  row("nested calls", code("x = " + repeat("VectorX(", kDepth) + "1" + repeat(")", kDepth) + ";"), "");
  row("nested indexes", code("x = " + repeat("x[", kDepth) + "1" + repeat("]", kDepth) + ";"), "");
  row("nested ifs", code(repeat("if (x) ", kDepth) + "x = 1;"), "");
  row("else-if chain", code(repeat("if (x) x = 1; else ", kDepth) + "x = 2;"), "");
  row("nested blocks", code(repeat("{", kDepth) + repeat("}", kDepth)), "");
  row("nested loops", code(repeat("while (x) ", kDepth) + "x = 1;"), "");
  row("nested do", code(repeat("do ", kDepth) + "x = 1;" + repeat(" while (x);", kDepth)), "");
  row("stacked labels", code(repeat("here:\n", 1) + repeat("x = 1;\n", kDepth)), "");
  row("unary chain", code("x = " + repeat("-!", kDepth) + "1;"), "");
  row("parentheses never closed", code("x = " + repeat("(", kDepth) + "1;"), "unbalanced-brackets");
  row("blocks never closed", code(repeat("{", kDepth)), "end-in-block");
  row("ifs never finished", code(repeat("if (x) ", kDepth)), "syntax");
  row("string open at the end", "symbols\nend\ncode\nx = \"abc", "unterminated-string");
  row("vector open at the end", "symbols\nend\ncode\nx = '1 2", "unterminated-vector");
  row("block comment never closed", code("/* " + repeat("x = 1;\n", 1000)), "block-comment");
  row("symbols never ended", "symbols\n" + repeat("int x\n", 1000), "missing-symbols-end");
}

void CogBadInputTest::inputs() {
  QFETCH(QByteArray, text);
  QFETCH(QString, firstError);
  const Outcome o = readAll(text.toStdString());
  QCOMPARE(QString::fromStdString(o.firstError), firstError);
  QVERIFY(o.tokens > 0 || text.isEmpty());
}

// A megabyte of noise gives a bounded list, not one finding per byte.
void CogBadInputTest::findingsStayFewOnNoise() {
  const Outcome o = readAll(noise(1 << 20, 11) + "\nsymbols\nend\ncode\n" + noise(1 << 20, 13));
  QVERIFY(o.errors > 0);
  QVERIFY2(o.diagnostics < 5000, qPrintable(QString::number(o.diagnostics)));
}

void CogBadInputTest::regressions_data() {
  QTest::addColumn<QString>("path");
  const QDir dir(QStringLiteral(TORVANE_COG_TESTDATA "/regressions"));
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
    if (name != QLatin1String("README.md")) QTest::newRow(qPrintable(name)) << dir.filePath(name);
  if (dir.entryList(QDir::Files).size() <= 1) QSKIP("the fuzzer has found nothing yet");
}

void CogBadInputTest::regressions() {
  QFETCH(QString, path);
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const std::string text = file.readAll().toStdString();
  const Outcome o = readAll(text);
  QVERIFY(o.tokens > 0 || text.empty());
  // From every line start, as the colouring does.
  onSmallStack([&] {
    int line = 1;
    for (std::size_t i = 0; i <= text.size(); ++i) {
      if (i == 0 || text[i - 1] == '\n' || (text[i - 1] == '\r' && (i >= text.size() || text[i] != '\n'))) {
        if (i > 0) ++line;
        cog::Lexer lexer(text, int(i), line);
        cog::Token t{};
        while (lexer.next(t)) {
          if (t.kind == cog::TokenKind::LineEnd) break;
        }
      }
    }
  });
}

QTEST_GUILESS_MAIN(CogBadInputTest)
#include "tst_cogbadinput.moc"

// The lexer: each kind of token, comments before strings and vectors, every
// byte value tolerated, no token across a line end, places counted in bytes
// from 1, and the same tokens whichever line start the lexing begins at.
#include <QFile>
#include <QtTest>

#include <string>

#include "cog/Lexer.h"

using cog::TokenKind;

namespace {

const char* kindName(TokenKind k) {
  switch (k) {
    case TokenKind::Comment: return "comment";
    case TokenKind::String: return "string";
    case TokenKind::Vector: return "vector";
    case TokenKind::Integer: return "int";
    case TokenKind::Float: return "float";
    case TokenKind::Name: return "name";
    case TokenKind::Keyword: return "keyword";
    case TokenKind::SectionWord: return "section";
    case TokenKind::Operator: return "op";
    case TokenKind::Unknown: return "unknown";
    case TokenKind::LineEnd: return "eol";
  }
  return "?";
}

// "kind:text" per token ("kind!:text" for an unterminated one).
QStringList lex(const std::string& text, int offset = 0, int line = 1) {
  QStringList out;
  cog::Lexer lexer(text, offset, line);
  cog::Token t{};
  while (lexer.next(t))
    out << QString::fromLatin1(kindName(t.kind)) + (t.unterminated ? "!:" : ":") +
               QString::fromLatin1(text.substr(t.offset, t.length).c_str(), t.length);
  return out;
}

}  // namespace

class CogLexerTest : public QObject {
  Q_OBJECT
 private slots:
  void tokens_data();
  void tokens();
  void placesCountBytesFromOne();
  void anyLineStartGivesTheSameTokens();
  void everyByteValueIsTolerated();
};

void CogLexerTest::tokens_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<QStringList>("expected");
  const auto row = [](const char* name, const char* text, const QStringList& expected) {
    QTest::newRow(name) << QByteArray(text) << expected;
  };
  row("hash comment holding quotes", "x # it's \"quoted\"", {"name:x", "comment:# it's \"quoted\""});
  row("slash comment holding quotes", "x// don't", {"name:x", "comment:// don't"});
  row("string", "\"a b\"", {"string:\"a b\""});
  row("string with an escaped quote", "\"a\\\"b\" x", {"string:\"a\\\"b\"", "name:x"});
  row("vector", "'0 0 .4';", {"vector:'0 0 .4'", "op:;"});
  row("string open at the line end", "\"abc\nx", {"string!:\"abc", "eol:\n", "name:x"});
  row("vector open at the line end", "'1 2\r\nx", {"vector!:'1 2", "eol:\r\n", "name:x"});
  row("integers", "12 0x1F 0XaB 017", {"int:12", "int:0x1F", "int:0XaB", "int:017"});
  row("floats", ".5 1.5 1. 1e3 2E-1 3.5e+2", {"float:.5", "float:1.5", "float:1.", "float:1e3", "float:2E-1",
                                               "float:3.5e+2"});
  row("number then name", "1e 0x", {"int:1", "name:e", "int:0", "name:x"});
  row("names", "GetSenderRef _a1 b_2", {"name:GetSenderRef", "name:_a1", "name:b_2"});
  row("keywords in any case", "If ELSE while Do for GOTO call Return stop break continue",
      {"keyword:If", "keyword:ELSE", "keyword:while", "keyword:Do", "keyword:for", "keyword:GOTO", "keyword:call",
       "keyword:Return", "keyword:stop", "keyword:break", "keyword:continue"});
  row("section words", "Symbols code END flags ending", {"section:Symbols", "section:code", "section:END",
                                                       "section:flags", "name:ending"});
  row("two-character operators", "&&||<=>===!=", {"op:&&", "op:||", "op:<=", "op:>=", "op:==", "op:!="});
  row("one-character operators", "=+-*/%&|^!~<>.[](){},;:",
      {"op:=", "op:+", "op:-", "op:*", "op:/", "op:%", "op:&", "op:|", "op:^", "op:!", "op:~", "op:<", "op:>",
       "op:.", "op:[", "op:]", "op:(", "op:)", "op:{", "op:}", "op:,", "op:;", "op::"});
  row("++ and += are two tokens", "++ +=", {"op:+", "op:+", "op:+", "op:="});
  row("unknown bytes as one run", "a $@?\xff\xa9 b", {"name:a", QString::fromLatin1("unknown:$@?\xff\xa9"), "name:b"});
  row("line ends", "a\r\nb\rc\nd", {"name:a", "eol:\r\n", "name:b", "eol:\r", "name:c", "eol:\n", "name:d"});
  row("blanks skipped", " \t\v\fa", {"name:a"});
}

void CogLexerTest::tokens() {
  QFETCH(QByteArray, text);
  QFETCH(QStringList, expected);
  QCOMPARE(lex(text.toStdString()), expected);
}

void CogLexerTest::placesCountBytesFromOne() {
  const std::string text = "ab\r\n  x = \"\xe9\";\n\tend";
  cog::Lexer lexer(text);
  cog::Token t{};
  QStringList places;
  while (lexer.next(t))
    if (t.kind != TokenKind::LineEnd) places << QStringLiteral("%1:%2@%3").arg(t.line).arg(t.column).arg(t.offset);
  QCOMPARE(places, QStringList({"1:1@0", "2:3@6", "2:5@8", "2:7@10", "2:10@13", "3:2@16"}));
}

void CogLexerTest::anyLineStartGivesTheSameTokens() {
  QFile file(QStringLiteral(TORVANE_COG_TESTDATA "/clean.cog"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const std::string text = file.readAll().toStdString();
  const QStringList whole = lex(text);
  // The tokens after each line end, from a lexer started there.
  int line = 1;
  int index = 0;
  cog::Lexer lexer(text);
  cog::Token t{};
  int checked = 0;
  while (lexer.next(t)) {
    ++index;
    if (t.kind != TokenKind::LineEnd) continue;
    ++line;
    const QStringList rest = lex(text, t.offset + t.length, line);
    QCOMPARE(rest, whole.mid(index));
    ++checked;
  }
  QVERIFY(checked > 50);
}

void CogLexerTest::everyByteValueIsTolerated() {
  std::string text;
  for (int i = 0; i < 256; ++i) text += char(i);
  text += text;
  cog::Lexer lexer(text);
  cog::Token t{};
  int end = 0;
  while (lexer.next(t)) {
    QVERIFY(t.offset >= end);
    QVERIFY(t.length > 0);
    if (t.kind != TokenKind::LineEnd) {
      const std::string s = text.substr(t.offset, t.length);
      QVERIFY(s.find('\n') == std::string::npos && s.find('\r') == std::string::npos);
    }
    end = t.offset + t.length;
  }
  QCOMPARE(end, int(text.size()));
}

QTEST_GUILESS_MAIN(CogLexerTest)
#include "tst_coglexer.moc"

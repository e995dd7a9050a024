// COG colouring: readable on the blue paper, the right class for each token,
// only what an edit touched restyled, and the plain text box back when off.
#include <QtTest>

#include <cmath>

#include "CogSteps.h"
#include "DocumentText.h"
#include "cogedit/CogColours.h"
#include "cogedit/CogCommands.h"
#include "cogedit/CogLexer.h"
#include "workspace/SaveFiles.h"

class CogColoursTest : public QObject {
  Q_OBJECT
 private slots:
  void contrastFormula_data();
  void contrastFormula();
  void everyClassReadableOnBlue_data();
  void everyClassReadableOnBlue();
  void classesToldApart();
  void onlyCogAndUntitledDocumentsAreColoured();
  void tokensGetTheirClass_data();
  void tokensGetTheirClass();
  void gameDecidesWhichVerbsAndMessagesAreKnown();
  void offGivesBackThePlainTextBox();
  void colouringLeavesTheTextAlone();
  void anEditRestylesOnlyTheLinesItTouched_data();
  void anEditRestylesOnlyTheLinesItTouched();
  void fontMenuStillWorksWithColours();
  void aNewNameDecidesTheColouring();
};

namespace {
QColor rgb(QRgb value) { return QColor::fromRgb(value); }

// CIE 1976 colour difference: about 2 is barely seen; 20 and more is a
// different colour at a glance.
double deltaE(const QColor& a, const QColor& b) {
  const auto lab = [](const QColor& c) {
    const auto lin = [](int v) {
      const double x = v / 255.0;
      return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    const double r = lin(c.red()), g = lin(c.green()), bl = lin(c.blue());
    const double X = (0.4124 * r + 0.3576 * g + 0.1805 * bl) / 0.95047;
    const double Y = 0.2126 * r + 0.7152 * g + 0.0722 * bl;
    const double Z = (0.0193 * r + 0.1192 * g + 0.9505 * bl) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return std::array<double, 3>{116 * f(Y) - 16, 500 * (f(X) - f(Y)), 200 * (f(Y) - f(Z))};
  };
  const auto p = lab(a), q = lab(b);
  return std::sqrt((p[0] - q[0]) * (p[0] - q[0]) + (p[1] - q[1]) * (p[1] - q[1]) + (p[2] - q[2]) * (p[2] - q[2]));
}

void styleEverything(TextBox* box) { box->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L); }

int styleAt(TextBox* box, int position) {
  return int(box->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(position)));
}

QByteArray stylesOf(TextBox* box) {
  QByteArray styles;
  for (int p = 0; p < box->Length(); ++p) styles.append(char(styleAt(box, p)));
  return styles;
}

CogLexer* lexerOf(frmNotePad* document) { return qobject_cast<CogLexer*>(document->Text1->lexer()); }

// A script of `size` bytes: the lift script over and over.
QByteArray largeScript(int size) {
  QByteArray text;
  while (text.size() < size) text += liftScript();
  return text.left(size);
}
}  // namespace

void CogColoursTest::contrastFormula_data() {
  QTest::addColumn<QColor>("a");
  QTest::addColumn<QColor>("b");
  QTest::addColumn<double>("ratio");
  QTest::newRow("white on black") << rgb(0xFFFFFF) << rgb(0x000000) << 21.0;
  QTest::newRow("same colour") << rgb(0x0000FF) << rgb(0x0000FF) << 1.0;
  QTest::newRow("black on the blue paper") << rgb(0x000000) << rgb(0x0000FF) << 2.44;
  QTest::newRow("white on the blue paper") << rgb(0xFFFFFF) << rgb(0x0000FF) << 8.59;
  QTest::newRow("mid grey on white") << rgb(0x777777) << rgb(0xFFFFFF) << 4.48;
}

void CogColoursTest::contrastFormula() {
  QFETCH(QColor, a);
  QFETCH(QColor, b);
  QFETCH(double, ratio);
  QVERIFY2(std::abs(contrastRatio(a, b) - ratio) < 0.01, qPrintable(QString::number(contrastRatio(a, b))));
  QCOMPARE(contrastRatio(a, b), contrastRatio(b, a));
}

void CogColoursTest::everyClassReadableOnBlue_data() {
  QTest::addColumn<int>("style");
  for (int s = 0; s < kCogStyleCount; ++s) QTest::newRow(qPrintable(cogStyleName(CogStyle(s)))) << s;
}

void CogColoursTest::everyClassReadableOnBlue() {
  QFETCH(int, style);
  QCOMPARE(documentPaper(), QColor(0, 0, 255));
  const double ratio = contrastRatio(cogColour(CogStyle(style)), QColor(0, 0, 255));
  QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(cogStyleName(CogStyle(style))).arg(ratio)));
  // What the lexer hands the text box is the table's colour on that paper.
  CogLexer lexer(cog::Game::JediKnight, documentFont());
  QCOMPARE(lexer.color(style), cogColour(CogStyle(style)));
  QCOMPARE(lexer.paper(style), QColor(0, 0, 255));
}

void CogColoursTest::classesToldApart() {
  for (int a = 0; a < kCogStyleCount; ++a)
    for (int b = a + 1; b < kCogStyleCount; ++b) {
      const double d = deltaE(cogColour(CogStyle(a)), cogColour(CogStyle(b)));
      QVERIFY2(d >= 20, qPrintable(QStringLiteral("%1 and %2: %3")
                                        .arg(cogStyleName(CogStyle(a)), cogStyleName(CogStyle(b)))
                                        .arg(d)));
    }
}

void CogColoursTest::onlyCogAndUntitledDocumentsAreColoured() {
  CogEnv c;
  frmNotePad* untitled = c.env.doc(1);
  frmNotePad* script = c.open(QStringLiteral("lift.COG"), liftScript());
  QList<frmNotePad*> others;
  for (const char* name : {"level.dat", "game.mpc", "player.plr", "notes.txt", "cog.bak"})
    others.append(c.open(QString::fromLatin1(name), liftScript()));
  c.menu(script).colours->trigger();
  QVERIFY(lexerOf(untitled));
  QVERIFY(lexerOf(script));
  for (frmNotePad* other : others) QVERIFY2(!other->Text1->lexer(), qPrintable(other->Caption()));
  // Opened while colours are on: coloured at once, or not at all.
  QVERIFY(lexerOf(c.open(QStringLiteral("second.cog"), liftScript())));
  QVERIFY(!c.open(QStringLiteral("second.txt"), liftScript())->Text1->lexer());
  CreateNewDocument(*c.env.program);
  QVERIFY(lexerOf(c.env.frame->ActiveForm()));

  c.menu(script).colours->trigger();
  for (frmNotePad* document : c.env.documents()) QVERIFY(!document->Text1->lexer());
}

void CogColoursTest::tokensGetTheirClass_data() {
  QTest::addColumn<QByteArray>("token");
  QTest::addColumn<int>("occurrence");  // which one in the script, from 0
  QTest::addColumn<int>("length");      // of the styled part at its start
  QTest::addColumn<int>("style");
  const auto row = [](const char* name, const char* token, int occurrence, CogStyle style, int length = -1) {
    QTest::newRow(name) << QByteArray(token) << occurrence << (length < 0 ? int(qstrlen(token)) : length)
                        << int(style);
  };
  row("comment", "# Jedi Knight", 0, CogStyle::Comment);
  row("quote inside a comment", "\"Torvane\"", 0, CogStyle::Comment);
  row("apostrophe inside a comment", "can't", 0, CogStyle::Comment);
  row("flags word", "flags=", 0, CogStyle::Keyword, 5);
  row("hex number", "0x240", 0, CogStyle::Number);
  row("symbols section", "symbols\r\n", 0, CogStyle::Keyword, 7);
  row("symbol type", "message ", 0, CogStyle::SymbolType, 7);
  row("declared message", "startup\r\n", 0, CogStyle::Message, 7);
  row("thing type", "thing ", 0, CogStyle::SymbolType, 5);
  row("symbol name", "lift    ", 0, CogStyle::Plain, 4);
  row("extension", "linkid", 0, CogStyle::SymbolType);
  row("float", "4.0", 0, CogStyle::Number);
  row("code section", "code\r\n", 0, CogStyle::Keyword, 4);
  row("handler label", "activated:", 0, CogStyle::Message);
  row("label's colon", ":\r\n   if", 0, CogStyle::Message, 1);
  row("subroutine label", "light_on:", 0, CogStyle::Message);
  row("verb", "SetWallCel", 0, CogStyle::Verb);
  row("keyword", "if (", 0, CogStyle::Keyword, 2);
  row("Return keyword", "Return", 0, CogStyle::Keyword);
  row("call keyword", "call", 0, CogStyle::Keyword);
  row("vector", "'0 0 1.5'", 0, CogStyle::Vector);
  row("string", "\"The lift is moving\"", 0, CogStyle::String);
  row("integer", "1, speed", 0, CogStyle::Number, 1);
  row("operator", "!=", 0, CogStyle::Plain);
  row("variable", "moving)", 0, CogStyle::Plain, 6);
  row("final end", "end\r\n", 1, CogStyle::Keyword, 3);
}

void CogColoursTest::tokensGetTheirClass() {
  QFETCH(QByteArray, token);
  QFETCH(int, occurrence);
  QFETCH(int, length);
  QFETCH(int, style);
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("lift.cog"), liftScript());
  c.menu(d).colours->trigger();
  styleEverything(d->Text1);
  const QByteArray text = d->Text1->Text();
  int at = -1;
  for (int i = 0; i <= occurrence; ++i) at = int(text.indexOf(token, at + 1));
  QVERIFY2(at >= 0, token.constData());
  for (int p = at; p < at + length; ++p) QCOMPARE(styleAt(d->Text1, p), style);
}

void CogColoursTest::gameDecidesWhichVerbsAndMessagesAreKnown() {
  CogEnv c;
  frmNotePad* d = c.env.doc(1);
  setDocument(*c.env.program, *d, "AISetAlignment(x, 1);\r\nplayeraction:\r\n   x = playeraction;\r\n");
  c.menu(d).colours->trigger();
  styleEverything(d->Text1);
  const int message = int(d->Text1->Text().lastIndexOf("playeraction"));
  QCOMPARE(styleAt(d->Text1, 0), int(CogStyle::Plain));
  QCOMPARE(styleAt(d->Text1, message), int(CogStyle::Plain));
  c.menu(d).mysteries->trigger();
  styleEverything(d->Text1);
  QCOMPARE(lexerOf(d)->game(), cog::Game::MysteriesOfTheSith);
  QCOMPARE(styleAt(d->Text1, 0), int(CogStyle::Verb));
  QCOMPARE(styleAt(d->Text1, message), int(CogStyle::Message));
}

// Turning the colours on and off again leaves the text box drawn exactly as before.
void CogColoursTest::offGivesBackThePlainTextBox() {
  CogEnv c;
  frmNotePad* d = c.open(QStringLiteral("lift.cog"), liftScript());
  TextBox* box = d->Text1;
  const QImage before = box->grab().toImage();
  const QString face = box->FontName();
  c.menu(d).colours->trigger();
  QCoreApplication::processEvents();
  const QImage coloured = box->grab().toImage();
  QVERIFY(coloured != before);
  c.menu(d).colours->trigger();
  QCoreApplication::processEvents();
  QVERIFY(!box->lexer());
  QCOMPARE(box->FontName(), face);
  QCOMPARE(box->paper(), QColor(0, 0, 255));
  QCOMPARE(box->grab().toImage(), before);
}

void CogColoursTest::colouringLeavesTheTextAlone() {
  CogEnv c;
  QByteArray bytes = liftScript();
  bytes += everyByte();
  bytes += "\r\n\"unterminated\r\n'0 0\r\n";
  frmNotePad* d = c.open(QStringLiteral("odd.cog"), bytes);
  TextBox* box = d->Text1;
  c.menu(d).colours->trigger();
  styleEverything(box);
  c.menu(d).mysteries->trigger();
  styleEverything(box);
  QCoreApplication::processEvents();
  QCOMPARE(box->Text(), bytes);
  QVERIFY(!isChanged(*c.env.program, *d));
  QVERIFY(!box->SendScintilla(QsciScintillaBase::SCI_CANUNDO));
  QVERIFY(!box->SendScintilla(QsciScintillaBase::SCI_GETMODIFY));
}

void CogColoursTest::anEditRestylesOnlyTheLinesItTouched_data() {
  QTest::addColumn<QString>("keys");  // typed at the start of the line's second word
  QTest::addColumn<int>("lines");
  QTest::newRow("one character") << QStringLiteral("x") << 1;
  QTest::newRow("a line end") << QStringLiteral("\r") << 2;
  QTest::newRow("a backspace joining two lines") << QStringLiteral("\b") << 1;
}

void CogColoursTest::anEditRestylesOnlyTheLinesItTouched() {
  QFETCH(QString, keys);
  QFETCH(int, lines);
  CogEnv c;
  const QByteArray text = largeScript(65000);
  frmNotePad* d = c.open(QStringLiteral("big.cog"), text);
  TextBox* box = d->Text1;
  QCOMPARE(box->Text(), text);
  c.menu(d).colours->trigger();
  styleEverything(box);
  QCoreApplication::processEvents();
  CogLexer* lexer = lexerOf(d);

  // Half-way down, at the start of a line for the backspace, mid-line otherwise.
  const int lineStart = int(text.indexOf("   MoveToFrame(lift, 1, speed);", text.size() / 2));
  box->SetSelStart(keys == QStringLiteral("\b") ? lineStart : lineStart + 3);
  const int before = lexer->linesStyled();
  if (keys == QStringLiteral("\r"))
    QTest::keyClick(box, Qt::Key_Return);
  else if (keys == QStringLiteral("\b"))
    QTest::keyClick(box, Qt::Key_Backspace);
  else
    QTest::keyClicks(box, keys);
  QVERIFY(box->Text() != text);
  box->grab();  // painted, as the user sees it
  styleEverything(box);
  QCOMPARE(lexer->linesStyled() - before, lines);

  // And the styles are those of the whole text lexed afresh.
  TextBox fresh;
  fresh.SetText(box->Text());
  fresh.setLexer(new CogLexer(cog::Game::JediKnight, documentFont(), &fresh));
  styleEverything(&fresh);
  QCOMPARE(stylesOf(box), stylesOf(&fresh));
}

void CogColoursTest::fontMenuStillWorksWithColours() {
  CogEnv c;
  frmNotePad* d = c.env.doc(1);
  c.menu(d).colours->trigger();
  d->mnuFontName[2]->trigger();  // Liberation Mono
  QCOMPARE(d->Text1->FontName(), QStringLiteral("Liberation Mono"));
  QCOMPARE(lexerOf(d)->font(int(CogStyle::Verb)).family(), QStringLiteral("Liberation Mono"));
  QVERIFY(lexerOf(d)->font(int(CogStyle::Comment)).italic());
  c.menu(d).colours->trigger();
  QCOMPARE(d->Text1->FontName(), QStringLiteral("Liberation Mono"));
  char face[128] = {};
  d->Text1->SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, QsciScintillaBase::STYLE_DEFAULT, face);
  QCOMPARE(QString::fromLatin1(face), QStringLiteral("Liberation Mono"));
}

void CogColoursTest::aNewNameDecidesTheColouring() {
  CogEnv c;
  frmNotePad* d = c.env.doc(1);
  setDocument(*c.env.program, *d, liftScript());
  c.menu(d).colours->trigger();
  QVERIFY(lexerOf(d));
  c.env.runtime.fileAnswers.enqueue(c.env.path(QStringLiteral("lift.txt")));
  QVERIFY(SaveDocumentAs(*c.env.program, *d));
  QVERIFY(!d->Text1->lexer());
  c.env.runtime.fileAnswers.enqueue(c.env.path(QStringLiteral("lift.cog")));
  QVERIFY(SaveDocumentAs(*c.env.program, *d));
  QVERIFY(lexerOf(d));
  QCOMPARE(c.env.readFile(QStringLiteral("lift.cog")), liftScript());
}

QTEST_MAIN(CogColoursTest)
#include "tst_cogcolours.moc"

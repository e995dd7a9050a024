#include "windows/TextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include "platform/Codepage1252.h"

QFont documentFont() {
  // Where the designed face is missing, a condensed bold face stands in.
  QFont::insertSubstitutions(QStringLiteral("Haettenschweiler"),
                             {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                              QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Arial Narrow")});
  QFont font(QStringLiteral("Haettenschweiler"));
  font.setPointSizeF(11.25);
  font.setWeight(QFont::Weight(800));
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

TextBox::TextBox(QWidget* parent) : QsciScintilla(parent) {
  setUtf8(false);
  setEolMode(QsciScintilla::EolWindows);
  setEolVisibility(false);
  setWrapMode(QsciScintilla::WrapWord);
  // No annotations are ever shown; while they are displayable, every insert
  // lays out each inserted line at once to size them (a whole file's worth).
  setAnnotationDisplay(QsciScintilla::AnnotationHidden);
  // Keep the laid-out lines of the visible page only: the default ends up
  // holding every wrapped line of the document, over 1 MiB for a 65000-byte
  // file, and repaints of the page are quicker this way too.
  SendScintilla(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);
  SendScintilla(SCI_SETHSCROLLBAR, 0L);
  SendScintilla(SCI_SETVSCROLLBAR, 1L);
  for (int margin = 0; margin < 5; ++margin) setMarginWidth(margin, 0);
  setMarginLineNumbers(0, false);
  SendScintilla(SCI_SETMARGINLEFT, 0UL, 1L);
  SendScintilla(SCI_SETMARGINRIGHT, 0UL, 1L);

  setFont(documentFont());
  setPaper(QColor(0, 0, 255));
  setColor(QApplication::palette().color(QPalette::WindowText));
  setCaretForegroundColor(QApplication::palette().color(QPalette::WindowText));

  // Cut, copy, paste and Del belong to the Edit menu's items.
  for (auto command : {QsciCommand::SelectionCut, QsciCommand::SelectionCopy, QsciCommand::Paste,
                       QsciCommand::Delete}) {
    if (QsciCommand* c = standardCommands()->find(command)) {
      c->setKey(0);
      c->setAlternateKey(0);
    }
  }
  connect(this, &QsciScintilla::textChanged, this, &TextBox::Change);
}

int TextBox::Length() const { return int(SendScintilla(SCI_GETLENGTH)); }

QByteArray TextBox::Text() const {
  // The control's own buffer, in one piece, copied once (SCI_GETTEXT copies
  // byte by byte, which a save or search of a large document notices).
  const int length = Length();
  const auto* bytes = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
  return QByteArray(bytes, length);
}

void TextBox::SetText(const QByteArray& text) {
  // A whole new text is not an edit the user could undo back out of.
  SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
  SendScintilla(SCI_CLEARALL);
  SendScintilla(SCI_ADDTEXT, static_cast<unsigned long>(text.size()), text.constData());
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
  SendScintilla(SCI_GOTOPOS, 0L);
}

void TextBox::setSelection(int anchor, int caret) {
  SendScintilla(SCI_SETSEL, static_cast<unsigned long>(anchor), static_cast<long>(caret));
}

int TextBox::SelStart() const { return int(SendScintilla(SCI_GETSELECTIONSTART)); }

int TextBox::SelLength() const {
  return int(SendScintilla(SCI_GETSELECTIONEND) - SendScintilla(SCI_GETSELECTIONSTART));
}

void TextBox::SetSelStart(int position) {
  const int p = qBound(0, position, Length());
  setSelection(p, p);
}

void TextBox::SetSelLength(int length) {
  const int start = SelStart();
  setSelection(start, qBound(start, start + length, Length()));
}

QByteArray TextBox::SelText() const {
  const int length = SelLength();
  if (length == 0) return QByteArray();
  const char* text = reinterpret_cast<const char*>(
      SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(SelStart()), static_cast<long>(length)));
  return QByteArray(text, length);
}

void TextBox::SetSelText(const QByteArray& text) {
  const int start = SelStart();
  SendScintilla(SCI_TARGETFROMSELECTION);
  SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(text.size()), text.constData());
  SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(start + text.size()));
}

QString TextBox::FontName() const { return font().family(); }

void TextBox::SetFontName(const QString& name) {
  QFont f = font();
  f.setFamily(name);
  setFont(f);
}

bool TextBox::insertTyped(const QString& typed) {
  const auto bytes = Cp1252::fromUnicode(typed);
  if (!bytes) {
    QApplication::beep();  // the code page cannot hold it: refuse, never substitute
    return false;
  }
  SendScintilla(SCI_BEGINUNDOACTION);
  if (SelLength() == 0 && SendScintilla(SCI_GETOVERTYPE) && SelStart() < Length()) SetSelLength(1);
  SetSelText(*bytes);
  SendScintilla(SCI_ENDUNDOACTION);
  return true;
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool printable =
      !typed.isEmpty() && std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); });
  const bool commandKey = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  if (printable && !commandKey) {
    insertTyped(typed);
    event->accept();
    return;
  }
  QsciScintilla::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty() && event->preeditString().isEmpty()) {
    insertTyped(event->commitString());
    event->accept();
    return;
  }
  QsciScintilla::inputMethodEvent(event);
}

bool TextBox::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText() && Cp1252::fromUnicode(source->text()).has_value();
}

QByteArray TextBox::fromMimeData(const QMimeData* source, bool& rectangular) const {
  rectangular = false;
  if (!source->hasText()) return QByteArray();
  const auto bytes = Cp1252::fromUnicode(source->text());
  if (!bytes) {
    QApplication::beep();
    return QByteArray();
  }
  return *bytes;
}

QMimeData* TextBox::toMimeData(const QByteArray& text, bool) const {
  auto* data = new QMimeData;
  data->setText(Cp1252::toUnicode(text));
  return data;
}

#include "cogedit/CogLexer.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <string_view>

#include "cog/Lexer.h"
#include "cog/Tables.h"
#include "cogedit/CogColours.h"

namespace {
constexpr int kInsert = QsciScintillaBase::SC_MOD_INSERTTEXT;
constexpr int kDelete = QsciScintillaBase::SC_MOD_DELETETEXT;

// What a name is, from the tables; `firstOnLine` and `declaration` tell a
// symbol line of the symbols section (`thing door linkid=1 local`).
CogStyle nameStyle(std::string_view name, cog::Game game, bool firstOnLine, bool declaration) {
  if (firstOnLine && cog::isSymbolType(name)) return CogStyle::SymbolType;
  if (declaration && cog::isSymbolExtension(name)) return CogStyle::SymbolType;
  if (cog::isMessage(name, game)) return CogStyle::Message;
  if (cog::findVerb(name, game)) return CogStyle::Verb;
  return CogStyle::Plain;
}

CogStyle tokenStyle(cog::TokenKind kind) {
  switch (kind) {
    case cog::TokenKind::Comment: return CogStyle::Comment;
    case cog::TokenKind::String: return CogStyle::String;
    case cog::TokenKind::Vector: return CogStyle::Vector;
    case cog::TokenKind::Integer:
    case cog::TokenKind::Float: return CogStyle::Number;
    case cog::TokenKind::Keyword:
    case cog::TokenKind::SectionWord: return CogStyle::Keyword;
    default: return CogStyle::Plain;
  }
}

bool isColon(std::string_view text, const cog::Token& token) {
  return token.kind == cog::TokenKind::Operator && token.length == 1 && text[token.offset] == ':';
}
}  // namespace

CogLexer::CogLexer(cog::Game game, const QFont& font, QObject* parent)
    : QsciLexerCustom(parent), game_(game), font_(font) {
  setDefaultColor(cogColour(CogStyle::Plain));
  setDefaultPaper(documentPaper());
  setDefaultFont(font_);
}

QString CogLexer::description(int style) const {
  return style >= 0 && style < kCogStyleCount ? cogStyleName(CogStyle(style)) : QString();
}

QColor CogLexer::defaultColor(int style) const {
  return cogColour(style >= 0 && style < kCogStyleCount ? CogStyle(style) : CogStyle::Plain);
}

QColor CogLexer::defaultPaper(int) const { return documentPaper(); }

QFont CogLexer::defaultFont(int style) const {
  QFont font = font_;
  font.setItalic(style >= 0 && style < kCogStyleCount && cogStyleItalic(CogStyle(style)));
  return font;
}

bool CogLexer::defaultEolFill(int) const { return true; }

void CogLexer::setEditor(QsciScintilla* editor) {
  if (QsciScintilla* old = this->editor())
    disconnect(old, &QsciScintillaBase::SCN_MODIFIED, this, nullptr);
  QsciLexerCustom::setEditor(editor);
  styledTo_ = 0;
  dirtyFrom_ = dirtyTo_ = -1;
  if (editor)
    connect(editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char* text, int length) { textModified(position, type, text, length); });
}

void CogLexer::setGame(cog::Game game) {
  if (game == game_) return;
  game_ = game;
  restyleAll();
}

void CogLexer::setDocumentFont(const QFont& font) {
  font_ = font;
  setDefaultFont(font_);
  for (int style = 0; style < kCogStyleCount; ++style) setFont(defaultFont(style), style);
}

void CogLexer::restyleAll() {
  styledTo_ = 0;
  dirtyFrom_ = dirtyTo_ = -1;
  if (QsciScintilla* box = editor()) {
    box->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL, 0L);
    box->viewport()->update();
  }
}

int CogLexer::documentLength() const { return int(editor()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)); }

int CogLexer::lineOf(int position) const {
  return int(editor()->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
}

int CogLexer::lineStart(int line) const {
  const long start = editor()->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  return start < 0 ? documentLength() : int(start);
}

// Keeps styledTo_ and the edited range in step with the text: an insert
// moves what follows it, a delete pulls it back.
void CogLexer::textModified(int position, int type, const char*, int length) {
  if (!(type & (kInsert | kDelete))) return;
  const auto moved = [&](int at) {
    if (type & kInsert) return at > position ? at + length : at;
    if (at >= position + length) return at - length;
    return std::min(at, position);
  };
  if (styledTo_ > position || (type & kDelete)) styledTo_ = moved(styledTo_);
  const int editEnd = (type & kInsert) ? position + length : position;
  if (dirtyFrom_ < 0) {
    dirtyFrom_ = position;
    dirtyTo_ = editEnd;
  } else {
    dirtyFrom_ = std::min(moved(dirtyFrom_), position);
    dirtyTo_ = std::max(moved(dirtyTo_), editEnd);
  }
}

void CogLexer::styleText(int start, int end) {
  QsciScintilla* box = editor();
  if (!box || end <= start) return;
  const int firstLine = lineOf(start);
  const int lastLine = lineOf(std::max(start, end - 1));
  const int rangeEnd = std::max(end, lineStart(lastLine + 1));

  // The lines holding the edits, and those never styled yet: each styled once.
  int dirtyFirst = -1, dirtyLast = -2;
  if (dirtyFrom_ >= 0) {
    dirtyFirst = std::max(firstLine, lineOf(dirtyFrom_));
    dirtyLast = std::min(lastLine, lineOf(dirtyTo_));
    const bool beforeRange = dirtyFrom_ < lineStart(firstLine);
    const bool pastRange = dirtyTo_ >= rangeEnd && rangeEnd < documentLength();
    if (!beforeRange && !pastRange) dirtyFrom_ = dirtyTo_ = -1;
    else if (!beforeRange) dirtyFrom_ = rangeEnd;
    else if (!pastRange) dirtyTo_ = lineStart(firstLine) - 1;
  }
  int newFirst = -1, newLast = -2;
  if (styledTo_ < rangeEnd) {
    newFirst = std::max(firstLine, lineOf(styledTo_));
    newLast = lastLine;
    styledTo_ = rangeEnd;
  }
  if (dirtyFirst <= dirtyLast && newFirst <= newLast && dirtyLast + 1 >= newFirst) {
    styleLines(std::min(dirtyFirst, newFirst), std::max(dirtyLast, newLast));
  } else {
    if (dirtyFirst <= dirtyLast) styleLines(dirtyFirst, dirtyLast);
    if (newFirst <= newLast) styleLines(newFirst, newLast);
  }
  // Everything up to the end asked for is right now; tell the control so.
  box->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(rangeEnd), 0L);
}

void CogLexer::styleLines(int firstLine, int lastLine) {
  QsciScintilla* box = editor();
  const int from = lineStart(firstLine);
  const int to = lineStart(lastLine + 1);
  if (to <= from) return;
  linesStyled_ += lastLine - firstLine + 1;
  const char* bytes = reinterpret_cast<const char*>(box->SendScintilla(
      QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), static_cast<long>(to - from)));
  const std::string_view text(bytes, std::size_t(to - from));

  startStyling(from);
  int styled = 0;  // bytes of the range given a style so far
  const auto put = [&](int offset, int length, CogStyle style) {
    if (offset > styled) setStyling(offset - styled, int(CogStyle::Plain));
    setStyling(length, int(style));
    styled = offset + length;
  };

  cog::Lexer lexer(text);
  cog::Token token{};
  cog::Token pending{};  // a name waiting to see whether a ':' makes it a label
  bool havePending = false;
  bool pendingFirst = false;
  bool firstOnLine = true;
  bool declaration = false;  // the line began with a symbol type
  const auto flushName = [&](bool label) {
    const std::string_view name = text.substr(std::size_t(pending.offset), std::size_t(pending.length));
    const CogStyle style = label ? CogStyle::Message : nameStyle(name, game_, pendingFirst, declaration);
    if (pendingFirst && style == CogStyle::SymbolType) declaration = true;
    put(pending.offset, pending.length, style);
    havePending = false;
  };
  while (lexer.next(token)) {
    if (havePending) {
      const bool label = isColon(text, token);
      flushName(label);
      if (label) {
        put(token.offset, token.length, CogStyle::Message);
        continue;
      }
    }
    if (token.kind == cog::TokenKind::LineEnd) {
      put(token.offset, token.length, CogStyle::Plain);
      firstOnLine = true;
      declaration = false;
      continue;
    }
    if (token.kind == cog::TokenKind::Name) {
      pending = token;
      pendingFirst = firstOnLine;
      havePending = true;
    } else {
      put(token.offset, token.length, tokenStyle(token.kind));
    }
    firstOnLine = false;
  }
  if (havePending) flushName(false);
  if (styled < int(text.size())) setStyling(int(text.size()) - styled, int(CogStyle::Plain));
}

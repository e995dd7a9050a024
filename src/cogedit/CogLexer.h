#pragma once
// COG colouring for a document's text box. Tokens never span a line, so each
// line is styled on its own; after an edit only the lines it touched are
// lexed again, whatever range the control asks for.
#include <Qsci/qscilexercustom.h>

#include "cog/Game.h"

class CogLexer : public QsciLexerCustom {
  Q_OBJECT
 public:
  CogLexer(cog::Game game, const QFont& font, QObject* parent = nullptr);

  const char* language() const override { return "COG"; }
  QString description(int style) const override;
  QColor defaultColor(int style) const override;
  QColor defaultPaper(int style) const override;
  QFont defaultFont(int style) const override;
  bool defaultEolFill(int style) const override;
  void setEditor(QsciScintilla* editor) override;
  void styleText(int start, int end) override;

  cog::Game game() const { return game_; }
  // Colours the text anew for another game's verbs and messages.
  void setGame(cog::Game game);
  // The document's face for every style (the font menu's choice).
  void setDocumentFont(const QFont& font);

  // Lines lexed so far: what an edit cost, for the tests and benchmarks.
  int linesStyled() const { return linesStyled_; }

 private:
  void textModified(int position, int modificationType, const char* text, int length);
  void styleLines(int firstLine, int lastLine);
  void restyleAll();
  int lineOf(int position) const;
  int lineStart(int line) const;
  int documentLength() const;

  cog::Game game_;
  QFont font_;
  // Style bytes before styledTo_ are right, except on the lines holding the
  // edits made since: dirtyFrom_ to dirtyTo_ (none while dirtyFrom_ < 0).
  int styledTo_ = 0;
  int dirtyFrom_ = -1;
  int dirtyTo_ = -1;
  int linesStyled_ = 0;
};

#pragma once
// The document's multi-line text box. It holds single-byte text exactly as
// given (Windows-1252): one character per byte, CR and LF two characters,
// positions counted in bytes. Program edits raise Change like typing does.
#include <Qsci/qsciscintilla.h>

class TextBox : public QsciScintilla {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

  QByteArray Text() const;
  void SetText(const QByteArray& text);
  int Length() const;

  int SelStart() const;
  void SetSelStart(int position);  // caret there, nothing selected
  int SelLength() const;
  void SetSelLength(int length);   // selection from SelStart
  QByteArray SelText() const;
  void SetSelText(const QByteArray& text);  // replaces the selection, caret after it

  QString FontName() const;
  void SetFontName(const QString& name);

 signals:
  void Change();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;
  QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;

 private:
  void setSelection(int anchor, int caret);
  bool insertTyped(const QString& typed);
};

// The face every document starts with, and the font it makes.
QFont documentFont();

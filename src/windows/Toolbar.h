#pragma once
// The toolbar strip picToolbar along the top of the frame: five picture
// buttons and the Quit button on the banner picture.
#include <QPixmap>
#include <QWidget>

class Program;
class PictureButton;
class QPushButton;

class Toolbar : public QWidget {
  Q_OBJECT
 public:
  Toolbar(Program& program, QWidget* parent);
  QSize sizeHint() const override;

  PictureButton* imgFileNewButton = nullptr;
  PictureButton* imgFileOpenButton = nullptr;
  PictureButton* imgCutButton = nullptr;
  PictureButton* imgCopyButton = nullptr;
  PictureButton* imgPasteButton = nullptr;
  QPushButton* Command1 = nullptr;  // "Quit"

  static constexpr int kHeightTwips = 615;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PictureButton* addButton(const QString& name, const QString& toolTip, int left, void (*command)(Program&));
  Program& program_;
  QPixmap banner_;
};

// Make the Cut, Copy and Paste buttons visible / invisible.
void ShowEditButtons(Program& program);
void HideEditButtons(Program& program);
// After an open: the edit buttons hidden since the last document closed come back.
void RestoreEditButtons(Program& program);
// The Toolbar item of a window (the frame or a document window) was chosen.
void ToggleToolbar(Program& program, QWidget* window);

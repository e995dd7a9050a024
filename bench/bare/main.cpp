// The floor the editor's start-up is measured against: what any editor of
// this kind cannot do without. A main window of the editor's size, a
// multiple-document area, one empty text editor child.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <Qsci/qsciscintilla.h>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  auto* area = new QMdiArea(&window);
  window.setCentralWidget(area);
  QMdiSubWindow* child = area->addSubWindow(new QsciScintilla);
  child->setWindowTitle(QStringLiteral("Untitled:1"));
  window.resize(7110 / 15, 5475 / 15);
  window.show();
  child->show();
  return app.exec();
}

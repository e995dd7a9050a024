#pragma once
// The results of Check Script: a window the user keeps open beside the text
// (modeless, one per frame, a tool window above the frame), one row per
// problem; choosing a row goes there.
#include <QWidget>
#include <vector>

#include "cog/Diagnostic.h"

class Program;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class frmCogResults : public QWidget {
  Q_OBJECT
 public:
  frmCogResults(Program& program, QWidget* parent);

  QLabel* lblSummary = nullptr;
  QTreeWidget* lstProblems = nullptr;

  // Lists the problems of a check: the first `listed` of them, then a line
  // counting the rest, with those the check itself left out (by severity).
  void ShowResults(const QString& caption, const std::vector<cog::Diagnostic>& problems, int listed,
                   const int* omitted = nullptr);
  void ShowTextChanged();
  void ShowDocumentClosed(const QString& caption);

  // The problem a row stands for; -1 for the line counting the rest.
  static int ProblemOf(const QTreeWidgetItem* row);

  // Handlers.
  void lstProblems_Choose(QTreeWidgetItem* row);

 private:
  Program& program_;
  QString summary_;
};

// One line of the problem's text, shown as the code page reads it.
QString ProblemText(const cog::Diagnostic& problem);

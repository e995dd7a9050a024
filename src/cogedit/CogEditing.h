#pragma once
// The COG scripts' part of the editor: the Cog menu of every document window,
// colouring, checking and the outline. The program has it once it is
// installed (main does so); without it every window is as it always was.
#include <QObject>
#include <QPointer>

#include "cogedit/CheckResults.h"
#include "cogedit/CogChoices.h"

class Program;
class frmCogResults;

class CogEditing : public QObject {
  Q_OBJECT
 public:
  // Installs itself as program.cog and reads the stored choices; before the
  // first document window is created, so that every window gets the menu.
  explicit CogEditing(Program& program);
  ~CogEditing() override;

  Program& program;
  CogChoices choices;
  CheckResults results;
  QPointer<frmCogResults> resultsWindow;  // one per frame, made on the first check
  QMetaObject::Connection watchText;      // on the checked document's edits
  QMetaObject::Connection watchClose;     // on the checked document's end
};

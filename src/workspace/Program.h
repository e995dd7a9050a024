#pragma once
// The program-wide state: the document table, the search state and the
// toolbar's flag, with the platform everything reaches the world through.
#include <QPointer>
#include <QVector>

#include "editing/SearchState.h"
#include "platform/Platform.h"
#include "workspace/Flags.h"

class frmNotePad;
class frmMDI;
class CogEditing;
class DocumentRecovery;

struct DocumentState {
  Bool16 Deleted = False16;
  Bool16 Changed = False16;
};

class Program {
 public:
  explicit Program(Platform& platform) : platform(platform) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Runtime& runtime() { return platform.runtime; }
  SystemServices& system() { return platform.system; }
  SettingsStore& settings() { return platform.settings; }
  const AppInfo& App() { return platform.runtime.App(); }

  Platform& platform;

  // Indexed by slot; slot 0 exists and is never used.
  QVector<QPointer<frmNotePad>> Documents;
  QVector<DocumentState> DocumentStates;

  SearchState Search;
  Bool16 EditButtonsHidden = False16;

  frmMDI* frame = nullptr;  // the frame window, set when it is created
  CogEditing* cog = nullptr;  // the COG scripts' menu and colours, set when installed

  // Keeps copies of unsaved text; none when the program runs without it.
  DocumentRecovery* recovery = nullptr;

  // Slot numbers are 16-bit; tests may lower the bound to reach it.
  int maxSlot = 32767;
};

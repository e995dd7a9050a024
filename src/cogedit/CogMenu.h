#pragma once
// The Cog menu of a document window, between Tools and Window.
#include <QList>

class Program;
class frmNotePad;
class QAction;
class QMenu;

struct CogMenu {
  QMenu* menu = nullptr;
  QAction* checkScript = nullptr;
  QAction* goTo = nullptr;
  QAction* colours = nullptr;
  QAction* jediKnight = nullptr;
  QAction* mysteries = nullptr;
};

// Adds the menu to a document window's menus when the COG editing is installed.
void AddCogMenu(Program& program, frmNotePad& document, QList<QMenu*>& menus);
// Shows the current choices in every document window's Cog menu.
void RefreshCogMenus(Program& program);

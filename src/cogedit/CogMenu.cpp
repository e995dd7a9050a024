#include "cogedit/CogMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "cogedit/CogCommands.h"
#include "cogedit/CogEditing.h"
#include "windows/CheckItem.h"
#include "windows/frmNotePad.h"
#include "workspace/Program.h"

namespace {
void showChoices(const CogMenu& items, const CogChoices& choices) {
  items.colours->setChecked(choices.colours);
  items.jediKnight->setChecked(choices.game == cog::Game::JediKnight);
  items.mysteries->setChecked(choices.game == cog::Game::MysteriesOfTheSith);
}
}  // namespace

void AddCogMenu(Program& program, frmNotePad& document, QList<QMenu*>& menus) {
  if (!program.cog) return;
  auto* items = new CogMenu;
  document.mnuCog = items;
  frmNotePad* window = &document;
  Program* p = &program;
  items->menu = new QMenu(QStringLiteral("&Cog"), &document);
  QObject::connect(items->menu, &QObject::destroyed, [items] { delete items; });
  items->checkScript = items->menu->addAction(QStringLiteral("&Check Script"));
  QObject::connect(items->checkScript, &QAction::triggered, window, [p, window] { CheckScript(*p, *window); });
  items->goTo = items->menu->addAction(QStringLiteral("&Go To..."));
  QObject::connect(items->goTo, &QAction::triggered, window, [p, window] { GoToOutline(*p, *window); });
  items->menu->addSeparator();
  items->colours = items->menu->addAction(QStringLiteral("C&olours"));
  MakeCheckItem(items->colours, false, [p] { ToggleCogColours(*p); });
  items->menu->addSeparator();
  auto* games = new QActionGroup(items->menu);
  items->jediKnight = games->addAction(QStringLiteral("&Jedi Knight"));
  items->mysteries = games->addAction(QStringLiteral("&Mysteries of the Sith"));
  for (QAction* game : {items->jediKnight, items->mysteries}) {
    game->setCheckable(true);
    items->menu->addAction(game);
  }
  QObject::connect(items->jediKnight, &QAction::triggered, window,
                   [p] { ChooseCogGame(*p, cog::Game::JediKnight); });
  QObject::connect(items->mysteries, &QAction::triggered, window,
                   [p] { ChooseCogGame(*p, cog::Game::MysteriesOfTheSith); });
  showChoices(*items, program.cog->choices);
  // The user's font choice has to reach the colouring's styles too.
  QObject::connect(document.mnuFont, &QMenu::triggered, window,
                   [p, window](QAction* font) { KeepCogFont(*p, *window, font->text()); });

  const int window_ = int(menus.indexOf(document.mnuWindow));
  menus.insert(window_ < 0 ? menus.size() : window_, items->menu);
}

void RefreshCogMenus(Program& program) {
  if (!program.cog) return;
  for (int slot = 1; slot < program.Documents.size(); ++slot) {
    frmNotePad* window = program.Documents.value(slot);
    if (window && window->mnuCog) showChoices(*window->mnuCog, program.cog->choices);
  }
}

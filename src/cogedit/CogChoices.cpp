#include "cogedit/CogChoices.h"

#include "platform/SettingsStore.h"

namespace {
// The application name the recent files are kept under; a section of our own.
const QString kApp = QStringLiteral("Zentopad");
const QString kSection = QStringLiteral("Cog");
const QString kColours = QStringLiteral("Colours");
const QString kGame = QStringLiteral("Game");
const QString kMots = QStringLiteral("MotS");
const QString kJk = QStringLiteral("JK");
}  // namespace

CogChoices LoadCogChoices(SettingsStore& store) {
  CogChoices choices;
  choices.colours = store.GetSetting(kApp, kSection, kColours) == QLatin1String("1");
  if (store.GetSetting(kApp, kSection, kGame) == kMots) choices.game = cog::Game::MysteriesOfTheSith;
  return choices;
}

void SaveCogChoices(SettingsStore& store, const CogChoices& choices) {
  store.SaveSetting(kApp, kSection, kColours, choices.colours ? QStringLiteral("1") : QStringLiteral("0"));
  store.SaveSetting(kApp, kSection, kGame, choices.game == cog::Game::MysteriesOfTheSith ? kMots : kJk);
}

#pragma once
// What the user chose in the Cog menu, kept in the settings store next to
// the recent files so that it outlives the program.
#include "cog/Game.h"

class SettingsStore;

struct CogChoices {
  bool colours = false;  // off until the user turns it on
  cog::Game game = cog::Game::JediKnight;
};

// The stored choices; what is missing or unreadable reads as the defaults.
CogChoices LoadCogChoices(SettingsStore& store);
void SaveCogChoices(SettingsStore& store, const CogChoices& choices);

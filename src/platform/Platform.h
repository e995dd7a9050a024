#pragma once
// Everything outside the process that the program reaches, in one bundle.
#include "platform/Registry.h"
#include "platform/Runtime.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"

struct Platform {
  Runtime& runtime;
  SystemServices& system;
  SettingsStore& settings;
  Registry& registry;
};

#pragma once
// A start with files first offers them to the editor already running for
// this user on this display.
#include <QStringList>

class InstanceChannel;

struct HandOverResult {
  bool handedOver = false;   // the running editor took every file: nothing left to do
  bool mayListen = true;     // nobody else answers: this start may take the channel
  QStringList left;          // files this start opens itself
};

// Without files nobody is contacted, and this start runs its own editor.
HandOverResult HandOverFiles(InstanceChannel& channel, const QStringList& files);

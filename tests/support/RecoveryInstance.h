#pragma once
// One running editor with recovery on, its copies under a given folder:
// a fresh program (TestEnv) started as main starts it, recovery included.
#include <QCoreApplication>
#include <memory>

#include "TestEnv.h"
#include "platform/QtRecoveryFolder.h"
#include "platform/QtWorkerQueue.h"
#include "recovery/DocumentRecovery.h"
#include "recovery/RecoverDocuments.h"
#include "workspace/Startup.h"

template <class Folder = QtRecoveryFolder>
struct BasicRecoveryInstance {
  // offer: whether start-up asks about orphaned copies, as main does.
  explicit BasicRecoveryInstance(const QString& root, bool offer = true)
      : env(false), folder(root), recovery(*env.program, folder, queue) {
    env.program->recovery = &recovery;
    MDIForm_Load(*env.program);
    if (offer) OfferRecoveredDocuments(*env.program);
    settle();
  }

  // Runs the events due and waits for the writer.
  void settle() {
    QCoreApplication::processEvents();
    queue.Finish();
    QCoreApplication::processEvents();
  }
  // The gathering's end without the two seconds' wait.
  void flush() {
    recovery.WriteChanged();
    settle();
  }

  Program& program() { return *env.program; }

  TestEnv env;
  Folder folder;
  QtWorkerQueue queue;
  DocumentRecovery recovery;
};
using RecoveryInstance = BasicRecoveryInstance<>;

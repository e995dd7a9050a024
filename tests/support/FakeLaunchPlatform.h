#pragma once
// Scripted stand-ins for the channel between editor starts and for the
// desktop's window services.
#include <QList>
#include <QQueue>

#include "platform/DesktopWindows.h"
#include "platform/InstanceChannel.h"

class FakeInstanceChannel : public InstanceChannel {
 public:
  // Script: what each Send answers (unscripted: nobody listens), and whether
  // Listen succeeds.
  QQueue<Delivery> answers;
  bool listenSucceeds = true;

  // Record.
  QList<QByteArray> sent;
  int listenCalls = 0;
  Receiver receiver;  // what Listen was given: call it to deliver a message

  Delivery Send(const QByteArray& message) override {
    sent.append(message);
    return answers.isEmpty() ? Delivery::NobodyListening : answers.dequeue();
  }
  bool Listen(Receiver r) override {
    ++listenCalls;
    if (!listenSucceeds) return false;
    receiver = std::move(r);
    return true;
  }
};

class FakeDesktopWindows : public DesktopWindows {
 public:
  bool modalOpen = false;
  QList<QWidget*> broughtToFront;

  bool ModalWindowOpen() const override { return modalOpen; }
  void BringToFront(QWidget& window) override { broughtToFront.append(&window); }
};

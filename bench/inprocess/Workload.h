#pragma once
// What the in-process benchmarks share: the texts they work on, a program set
// up as the tests set it up (with this machine's real screen fonts, since
// every document window fills a font menu from them), and the small steps
// each measurement repeats.
#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>
#include <chrono>
#include <memory>

#include "TestEnv.h"

namespace bench {

// Text that looks like a Jedi Knight COG script, CR LF line ends, exactly
// `size` bytes. No line of it contains the marker below, in any case.
QByteArray cogLikeText(int size);
inline constexpr char kMarker[] = "FarEndMarker";

// A started program, like TestEnv's, whose runtime lists the real fonts.
std::unique_ptr<TestEnv> startProgram();

// Delivers what the user waits for after a command: the events it posted,
// layout and painting included. Background work (the text box wrapping the
// lines nobody sees yet, in short idle steps) is left for drain().
void paintPending();
// Everything pending, background work and windows deleted after closing too.
void drain();

// Closes a document window as its Close item does; false when it stayed open.
bool closeDocument(TestEnv& env, frmNotePad* document);
// Opens or closes untitled documents until `count` are live.
void keepLive(TestEnv& env, int count);
int liveCount(const TestEnv& env);
// The live document that is not among `before`, or nullptr.
frmNotePad* documentAddedSince(const TestEnv& env, const QList<frmNotePad*>& before);

// Watches, while it lives, for text boxes being painted.
class PaintWatch : public QObject {
 public:
  PaintWatch();
  ~PaintWatch() override;
  bool painted(const TextBox* box) const { return painted_.contains(box); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSet<const QObject*> painted_;
};

// Resident memory of this process, in bytes.
qint64 residentBytes();

// Seconds taken by f.
template <class F>
double secondsOf(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace bench

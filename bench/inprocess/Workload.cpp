#include "Workload.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>

#include <unistd.h>

#include "workspace/CloseDocuments.h"
#include "workspace/DocumentTable.h"
#include "workspace/Startup.h"

namespace bench {

QByteArray cogLikeText(int size) {
  QByteArray text;
  text.reserve(size + 4096);
  for (int n = 0; text.size() < size; ++n) {
    const QByteArray i = QByteArray::number(n);
    text += "# Jedi Knight Cog Script\r\n#\r\n# 0" + i + "_door.cog\r\n#\r\n"
            "# Opens door" + i + " when its switch is used; lights up while moving.\r\n#\r\n"
            "symbols\r\n"
            "message     startup\r\n"
            "message     activated\r\n"
            "message     arrived\r\n"
            "thing       door" + i + "          linkid=1\r\n"
            "surface     switch" + i + "        linkid=2\r\n"
            "sound       opensnd=df_door2-1.wav      local\r\n"
            "flex        speed=4.0                   local\r\n"
            "int         i                           local\r\n"
            "end\r\n"
            "# ========================================================================\r\n"
            "code\r\n"
            "startup:\r\n"
            "   for (i = 0; i < 8; i = i + 1)\r\n"
            "   {\r\n"
            "      SetThingLight(door" + i + ", 0.5, 1.0);\r\n"
            "   }\r\n"
            "   Return;\r\n"
            "activated:\r\n"
            "   if (GetSenderRef() != switch" + i + ") Return;\r\n"
            "   PlaySoundThing(opensnd, door" + i + ", 1.0, -1, -1, 0);\r\n"
            "   MoveToFrame(door" + i + ", 1, speed);\r\n"
            "   SetWallCel(switch" + i + ", 1);\r\n"
            "   Return;\r\n"
            "arrived:\r\n"
            "   Sleep(2.0);\r\n"
            "   MoveToFrame(door" + i + ", 0, speed);\r\n"
            "   Return;\r\n"
            "end\r\n\r\n";
  }
  text.truncate(size);
  return text;
}

std::unique_ptr<TestEnv> startProgram() {
  auto env = std::make_unique<TestEnv>(false);
  env->runtime.fonts = QFontDatabase::families();
  MDIForm_Load(*env->program);
  drain();
  return env;
}

void paintPending() { QCoreApplication::sendPostedEvents(); }

void drain() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int liveCount(const TestEnv& env) { return int(env.documents().size()); }

frmNotePad* documentAddedSince(const TestEnv& env, const QList<frmNotePad*>& before) {
  for (frmNotePad* document : env.documents())
    if (!before.contains(document)) return document;
  return nullptr;
}

bool closeDocument(TestEnv& env, frmNotePad* document) {
  const int before = liveCount(env);
  UnloadDocument(*env.program, *document);
  drain();
  // What the scripted runtime recorded is of no use here; keep it small.
  env.runtime.messages.clear();
  env.runtime.pointerHistory.clear();
  return liveCount(env) == before - 1;
}

void keepLive(TestEnv& env, int count) {
  while (liveCount(env) < count) {
    CreateNewDocument(*env.program);
    drain();
  }
  while (liveCount(env) > count)
    if (!closeDocument(env, env.documents().constLast())) break;
}

PaintWatch::PaintWatch() { QCoreApplication::instance()->installEventFilter(this); }
PaintWatch::~PaintWatch() { QCoreApplication::instance()->removeEventFilter(this); }

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
  // A text box paints in its viewport.
  if (event->type() == QEvent::Paint && watched->parent() && watched->parent()->inherits("TextBox"))
    painted_.insert(watched->parent());
  return false;
}

qint64 residentBytes() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

}  // namespace bench

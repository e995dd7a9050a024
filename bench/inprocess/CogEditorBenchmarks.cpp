// The Cog menu's costs on a 65000-byte script: opening it coloured against
// opening it plain; one typed character restyled, against the same keystroke
// in the plain text box; Check Script until its results window is painted,
// against the library's check of the same bytes alone.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>

#include "Workbench.h"
#include "Workload.h"
#include "cog/Script.h"
#include "cogedit/CogCommands.h"
#include "cogedit/CogEditing.h"
#include "cogedit/CogLexer.h"
#include "windows/frmCogResults.h"
#include "workspace/OpenFiles.h"
#include "workspace/Startup.h"

namespace bench {
namespace {

constexpr int kScriptBytes = 65000;

// A long script of the ordinary kind: a symbols section of things, surfaces,
// sounds and messages, and a code section of handlers and subroutines that
// call verbs, loop and branch. Exactly `size` bytes, CR LF line ends.
QByteArray cogScript(int size) {
  QByteArray symbols =
      "# Jedi Knight Cog Script\r\n#\r\n# 00_bigdoors.cog\r\n#\r\n# Every door of the level, each with "
      "its switch and sound.\r\n#\r\n\r\nflags=0x240\r\n\r\nsymbols\r\n\r\n"
      "message     startup\r\nmessage     activated\r\nmessage     arrived\r\nmessage     timer\r\n"
      "flex        speed=4.0                     local\r\nint         i                             local\r\n"
      "sound       opensnd=df_door2-1.wav        local\r\n";
  QByteArray code = "code\r\n\r\nstartup:\r\n   for (i = 0; i < 8; i = i + 1)\r\n   {\r\n"
                    "      SetWallCel(switch0, 0);\r\n   }\r\n   Return;\r\n\r\n"
                    "activated:\r\n   call door0_use;\r\n   Return;\r\n\r\n"
                    "arrived:\r\n   Return;\r\n\r\ntimer:\r\n   Return;\r\n\r\n";
  const QByteArray tail = "end\r\n";
  for (int n = 0;; ++n) {
    const QByteArray k = QByteArray::number(n);
    const QByteArray symbol = "thing       door" + k + "                     linkid=" + k + "\r\n"
                              "surface     switch" + k + "                   linkid=" + k + "\r\n";
    const QByteArray handler =
        "door" + k + "_use:\r\n"
        "   // the switch lights while door " + k + " moves\r\n"
        "   if (GetSenderRef() != switch" + k + ") Return;\r\n"
        "   SetWallCel(switch" + k + ", 1);\r\n"
        "   PlaySoundThing(opensnd, door" + k + ", 1.0, -1, -1, 0);\r\n"
        "   MoveToFrame(door" + k + ", 1, speed);\r\n"
        "   SetTimer(2.5);\r\n"
        "   Print(\"Door " + k + " opens\");\r\n"
        "   Return;\r\n\r\n";
    const int total = int(symbols.size() + symbol.size() + 6 + code.size() + handler.size() + tail.size());
    if (total > size) break;
    symbols += symbol;
    code += handler;
  }
  QByteArray text = symbols + "end\r\n\r\n" + code;
  // Comment lines fill it up to the size exactly.
  while (int(text.size() + tail.size()) < size) {
    const int room = size - int(text.size() + tail.size());
    text += room >= 4 ? QByteArray("#") + QByteArray(std::min(room, 70) - 3, '=') + "\r\n" : QByteArray(room, ' ');
  }
  return text + tail;
}

// The program the Cog rows work in: started as main starts it, with the
// COG editing installed before the first document window.
TestEnv& cogEnv(Workbench& bench) {
  if (!bench.cog) {
    bench.cog = std::make_unique<TestEnv>(false);
    bench.cog->runtime.fonts = QFontDatabase::families();
    bench.cogEditing = std::make_unique<CogEditing>(*bench.cog->program);
    MDIForm_Load(*bench.cog->program);
    drain();
  }
  return *bench.cog;
}

const QString& scriptFile(Workbench& bench) {
  if (bench.cogScript65000.isEmpty()) {
    const QString name = bench.folder.filePath(QStringLiteral("bigdoors.cog"));
    QFile out(name);
    if (!out.open(QIODevice::WriteOnly) || out.write(cogScript(kScriptBytes)) != kScriptBytes)
      qFatal("cannot write the benchmark's script");
    bench.cogScript65000 = name;
  }
  return bench.cogScript65000;
}

// Opens the script, timed until its window is painted, and closes it again.
void openScript(benchmark::State& state, Workbench& bench, bool colours) {
  TestEnv& env = cogEnv(bench);
  CogEditing& cog = *bench.cogEditing;
  const QString& file = scriptFile(bench);
  cog.choices.colours = colours;
  for (auto _ : state) {
    const QList<frmNotePad*> before = env.documents();
    PaintWatch watch;
    const double seconds = secondsOf([&] {
      LoadDocumentFile(*env.program, file);
      paintPending();
    });
    frmNotePad* added = documentAddedSince(env, before);
    const bool painted = added && watch.painted(added->Text1);
    const bool coloured = added && qobject_cast<CogLexer*>(added->Text1->lexer());
    drain();
    if (!added || !painted || added->Text1->Length() != kScriptBytes || coloured != colours) {
      state.SkipWithError("the script was not opened, painted and coloured as asked");
      return;
    }
    state.SetIterationTime(seconds);
    if (!closeDocument(env, added)) {
      state.SkipWithError("the script would not close without a question");
      return;
    }
  }
}

// One character typed half-way down, then the styles brought up to date.
void typeOneCharacter(benchmark::State& state, Workbench& bench, bool colours) {
  TestEnv& env = cogEnv(bench);
  CogEditing& cog = *bench.cogEditing;
  const QString& file = scriptFile(bench);
  cog.choices.colours = colours;
  keepLive(env, 1);
  if (!LoadDocumentFile(*env.program, file)) {
    state.SkipWithError("the script did not open");
    return;
  }
  frmNotePad* document = env.frame->ActiveForm();
  TextBox* box = document->Text1;
  box->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  const int middle = int(box->Text().indexOf("   SetTimer(2.5);", kScriptBytes / 2)) + 3;
  auto* lexer = qobject_cast<CogLexer*>(box->lexer());
  if (colours != (lexer != nullptr)) {
    state.SkipWithError("the script is not coloured as asked");
    return;
  }
  QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  for (auto _ : state) {
    box->SetSelStart(middle);
    box->SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
    drain();
    const int lines = lexer ? lexer->linesStyled() : 0;
    const double seconds = secondsOf([&] {
      QCoreApplication::sendEvent(box, &key);
      box->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
    });
    if (box->Length() != kScriptBytes + 1 || (lexer && lexer->linesStyled() - lines != 1)) {
      state.SkipWithError("the keystroke did not type one character and restyle one line");
      return;
    }
    state.SetIterationTime(seconds);
    QCoreApplication::sendEvent(box, &back);
    box->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  }
  cog.choices.colours = false;
  env.program->DocumentStates[document->Tag().toInt()].Changed = False16;
  closeDocument(env, document);
}

void checkScript(benchmark::State& state, Workbench& bench, bool libraryOnly) {
  TestEnv& env = cogEnv(bench);
  CogEditing& cog = *bench.cogEditing;
  const QString& file = scriptFile(bench);
  cog.choices.colours = false;
  keepLive(env, 1);
  if (!LoadDocumentFile(*env.program, file)) {
    state.SkipWithError("the script did not open");
    return;
  }
  frmNotePad* document = env.frame->ActiveForm();
  const QByteArray text = document->Text1->Text();
  for (auto _ : state) {
    drain();
    if (libraryOnly) {
      std::size_t found = 0;
      const double seconds = secondsOf([&] {
        found = cog::checkScript(std::string_view(text.constData(), std::size_t(text.size())),
                                 cog::Game::JediKnight).diagnostics.size();
      });
      benchmark::DoNotOptimize(found);
      state.SetIterationTime(seconds);
      continue;
    }
    PaintWatch watch;
    const double seconds = secondsOf([&] {
      CheckScript(*env.program, *document);
      paintPending();
    });
    frmCogResults* window = cog.resultsWindow;
    if (!window || !window->isVisible() || !cog.results.checked || cog.results.document != document) {
      state.SkipWithError("Check Script showed no results for the script");
      return;
    }
    state.SetIterationTime(seconds);
  }
  if (cog.resultsWindow) cog.resultsWindow->hide();
  closeDocument(env, document);
}

}  // namespace

void registerCogEditorBenchmarks(Workbench& bench) {
  for (bool colours : {true, false})
    benchmark::RegisterBenchmark(colours ? "cogedit/open_65000_colours_on" : "cogedit/open_65000_colours_off",
                                 [&bench, colours](benchmark::State& state) { openScript(state, bench, colours); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  for (bool colours : {true, false})
    benchmark::RegisterBenchmark(colours ? "cogedit/type_one_character_coloured" : "cogedit/type_one_character_plain",
                                 [&bench, colours](benchmark::State& state) { typeOneCharacter(state, bench, colours); })
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("cogedit/check_script_65000",
                               [&bench](benchmark::State& state) { checkScript(state, bench, false); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("cogedit/check_library_65000",
                               [&bench](benchmark::State& state) { checkScript(state, bench, true); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace bench

// Prints the benchmark table from the files the runs wrote:
//   torvane-bench-report RESULTS_FOLDER [--quick]
// The folder holds startup-N.json (hyperfine, one per round), handover.json
// (hyperfine: a start handing a file over, and one printing the version), memory-bare.txt and
// memory-editor.txt (the paint probe) and inprocess.json (Google Benchmark).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "Figures.h"

using report::Figure;

namespace {

enum class Kind { Time, Memory };

QString amount(double value, Kind kind) {
  if (kind == Kind::Memory) {
    if (value >= 1024.0 * 1024) return QStringLiteral("%1 MiB").arg(value / (1024.0 * 1024), 0, 'f', 1);
    return QStringLiteral("%1 KiB").arg(value / 1024.0, 0, 'f', 0);
  }
  if (value >= 1.0) return QStringLiteral("%1 s").arg(value, 0, 'f', 2);
  if (value >= 1e-3) return QStringLiteral("%1 ms").arg(value * 1e3, 0, 'f', 2);
  return QStringLiteral("%1 us").arg(value * 1e6, 0, 'f', 1);
}

struct Row {
  QString figure;
  Figure measured;
  std::optional<Figure> baseline;
  Kind kind;
  QString goal;  // as printed
  // Whether the goal is met, from the measured value and (when there is one)
  // the baseline's; empty for a figure shown without a goal.
  std::function<bool(double measured, double baseline)> met;
};

QStringList cells(const Row& row) {
  QString measured = row.measured.value ? amount(*row.measured.value, row.kind) : QStringLiteral("-");
  QString baseline = QStringLiteral("-");
  QString ratio = QStringLiteral("-");
  QString verdict = row.met ? QStringLiteral("ok") : QString();
  QString runs = QString::number(row.measured.runs);
  QString error = row.measured.error;
  if (row.baseline) {
    baseline = row.baseline->value ? amount(*row.baseline->value, row.kind) : QStringLiteral("-");
    runs += QLatin1Char('/') + QString::number(row.baseline->runs);
    if (error.isEmpty() && !row.baseline->error.isEmpty()) error = QStringLiteral("baseline: ") + row.baseline->error;
    if (row.measured.value && row.baseline->value && *row.baseline->value > 0)
      ratio = QStringLiteral("%1x").arg(*row.measured.value / *row.baseline->value, 0, 'f', 2);
  }
  if (!error.isEmpty()) {
    verdict = QStringLiteral("FAILED: ") + error;
  } else if (row.met) {
    const double base = row.baseline ? *row.baseline->value : 0;
    verdict = row.met(*row.measured.value, base) ? QStringLiteral("ok") : QStringLiteral("MISSED");
  }
  return {row.figure, measured, baseline, ratio, runs, row.goal, verdict};
}

void printTable(const QList<QStringList>& lines) {
  QVector<int> widths(lines.first().size(), 0);
  for (const QStringList& line : lines)
    for (int i = 0; i < line.size() - 1; ++i) widths[i] = std::max(widths[i], int(line[i].size()));
  for (int l = 0; l < lines.size(); ++l) {
    QString text;
    for (int i = 0; i < lines[l].size(); ++i) {
      const bool numeric = i >= 1 && i <= 4;
      const QString& cell = lines[l][i];
      text += i == lines[l].size() - 1 ? cell : numeric ? cell.rightJustified(widths[i]) : cell.leftJustified(widths[i]);
      if (i < lines[l].size() - 1) text += QStringLiteral("  ");
    }
    std::printf("%s\n", qPrintable(text.trimmed()));
    if (l == 0) std::printf("%s\n", qPrintable(QString(text.trimmed().size(), QLatin1Char('-'))));
  }
}

Figure pick(const QMap<QString, Figure>& figures, const QString& name) {
  if (figures.contains(name)) return figures.value(name);
  if (figures.contains(QString())) return figures.value(QString());  // the whole file failed
  return Figure{std::nullopt, 0, QStringLiteral("not measured")};
}

// torvane-cogcheck over the generated scripts, whole process, against `wc -l`
// over the same files; the goal is a rate, so the time it allows follows
// from the scripts' total size.
Row cogcheckRow(const QDir& dir) {
  constexpr double kRate = 20e6;  // bytes per second
  QStringList rounds;
  for (const QString& name : dir.entryList({QStringLiteral("cogcheck-*.json")}, QDir::Files, QDir::Name))
    rounds.append(dir.filePath(name));
  QMap<QString, Figure> runs = report::readHyperfine(rounds);
  QFile bytesFile(dir.filePath(QStringLiteral("cogscripts-bytes.txt")));
  const double bytes = bytesFile.open(QIODevice::ReadOnly) ? bytesFile.readAll().trimmed().toDouble() : 0;
  QFile failed(dir.filePath(QStringLiteral("cogcheck-failed.txt")));
  if (failed.open(QIODevice::ReadOnly))
    runs.insert(QString(), Figure{std::nullopt, 0, QString::fromUtf8(failed.readAll().trimmed())});
  else if (bytes <= 0)
    runs.insert(QString(), Figure{std::nullopt, 0, QStringLiteral("no generated scripts")});
  const QString goal = bytes > 0 ? QStringLiteral(">= 20 MB/s (%1 MB: <= %2 ms)")
                                       .arg(bytes / 1e6, 0, 'f', 1)
                                       .arg(bytes / kRate * 1e3, 0, 'f', 0)
                                 : QStringLiteral(">= 20 MB/s");
  return {QStringLiteral("torvane-cogcheck, 1000 scripts, whole process (vs wc -l)"),
          pick(runs, QStringLiteral("cogcheck")), pick(runs, QStringLiteral("floor")), Kind::Time, goal,
          [bytes](double m, double) { return bytes > 0 && m > 0 && bytes / m >= kRate; }};
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: torvane-bench-report RESULTS_FOLDER [--quick]\n");
    return 2;
  }
  const QDir dir(args[1]);
  const bool quick = args.contains(QStringLiteral("--quick"));

  QStringList rounds;
  for (const QString& name : dir.entryList({QStringLiteral("startup-*.json")}, QDir::Files, QDir::Name))
    rounds.append(dir.filePath(name));
  const QMap<QString, Figure> startup = report::readHyperfine(rounds);
  const QMap<QString, Figure> handover = report::readHyperfine({dir.filePath(QStringLiteral("handover.json"))});
  const Figure memoryBare = report::readProbeMemory(dir.filePath(QStringLiteral("memory-bare.txt")));
  const Figure memoryEditor = report::readProbeMemory(dir.filePath(QStringLiteral("memory-editor.txt")));
  const QMap<QString, Figure> inproc = report::readGoogleBenchmark(dir.filePath(QStringLiteral("inprocess.json")));
  auto in = [&](const char* name) { return pick(inproc, QString::fromLatin1(name)); };

  const auto ratioAtMost = [](double limit) {
    return [limit](double m, double b) { return b > 0 && m / b <= limit; };
  };
  const auto below = [](double limit) { return [limit](double m, double) { return m < limit; }; };
  const auto atMost = [](double limit) { return [limit](double m, double) { return m <= limit; }; };
  const Figure new1 = in("new/CreateNewDocument/open:1");
  const double MiB = 1024.0 * 1024;

  QList<Row> rows = {
      {QStringLiteral("start-up: exec to frame painted (vs bare window)"), pick(startup, QStringLiteral("editor")),
       pick(startup, QStringLiteral("bare")), Kind::Time, QStringLiteral("<= 1.15x"), ratioAtMost(1.15)},
      {QStringLiteral("hand a file to a running editor: exec to exit (vs --version)"),
       pick(handover, QStringLiteral("handover")), pick(handover, QStringLiteral("version")), Kind::Time,
       QStringLiteral("< 100 ms"), below(0.1)},
      {QStringLiteral("memory at start-up, resident (vs bare window)"), memoryEditor, memoryBare, Kind::Memory,
       QStringLiteral("<= 1.20x"), ratioAtMost(1.20)},
      {QStringLiteral("memory per extra New document"), in("memory/new_document"), std::nullopt, Kind::Memory,
       QStringLiteral("<= 1 MiB"), atMost(MiB)},
      {QStringLiteral("memory per extra 65000-byte file opened"), in("memory/open_65000_bytes"), std::nullopt,
       Kind::Memory, QStringLiteral("<= 1 MiB"), atMost(MiB)},
      {QStringLiteral("open 65000-byte file, LoadDocumentFile (vs New)"), in("open/LoadDocumentFile_65000_bytes"),
       new1, Kind::Time, QStringLiteral("<= New + 5 ms"), [](double m, double b) { return m - b <= 5e-3; }},
      {QStringLiteral("New, 1 document open"), new1, std::nullopt, Kind::Time, QString(), nullptr},
      {QStringLiteral("New, 100 documents open (vs 1 open)"), in("new/CreateNewDocument/open:100"), new1, Kind::Time,
       QString(), nullptr},
      {QStringLiteral("New, 1000 documents open (vs 1 open)"), in("new/CreateNewDocument/open:1000"), new1,
       Kind::Time, QStringLiteral("<= 1.20x"), ratioAtMost(1.20)},
  };
  const char* searches[][2] = {{"down_case", "down, match case"},
                               {"down_nocase", "down, any case"},
                               {"up_case", "up, match case"},
                               {"up_nocase", "up, any case"}};
  for (const auto& s : searches)
    rows.append({QStringLiteral("search 65000 chars, %1 (vs one scan)").arg(QLatin1String(s[1])),
                 in((std::string("search/") + s[0]).c_str()), in((std::string("search_floor/") + s[0]).c_str()),
                 Kind::Time, QStringLiteral("< 1 ms"), below(1e-3)});
  rows.append({QStringLiteral("start-up with recovery on, no copies (vs without recovery)"),
               pick(startup, QStringLiteral("editor")), pick(startup, QStringLiteral("editor-without-recovery")),
               Kind::Time, QStringLiteral("<= 1.02x"), ratioAtMost(1.02)});
  rows.append({QStringLiteral("recovery write, UI thread's share, 65000 bytes (vs copying the text out)"),
               in("recovery/HandOff_65000_bytes"), in("recovery_floor/copy_text_out_65000_bytes"), Kind::Time,
               QStringLiteral("<= 1 ms"), atMost(1e-3)});
  rows.append({QStringLiteral("save 65000 bytes, WriteDocumentFile (vs fsync'd write)"),
               in("save/WriteDocumentFile_65000_bytes"), in("save_floor/atomic_flushed_write_65000_bytes"),
               Kind::Time, QStringLiteral("<= 1.25x"), ratioAtMost(1.25)});

  rows.append({QStringLiteral("open 65000-byte .cog, colours on (vs colours off)"), in("cogedit/open_65000_colours_on"),
               in("cogedit/open_65000_colours_off"), Kind::Time, QStringLiteral("<= off + 5 ms"),
               [](double m, double b) { return m - b <= 5e-3; }});
  rows.append({QStringLiteral("one typed character restyled, 65000-byte coloured .cog (vs plain)"),
               in("cogedit/type_one_character_coloured"), in("cogedit/type_one_character_plain"), Kind::Time,
               QStringLiteral("<= 1 ms"), atMost(1e-3)});
  rows.append({QStringLiteral("Check Script, 65000-byte .cog, until shown (vs library check)"),
               in("cogedit/check_script_65000"), in("cogedit/check_library_65000"), Kind::Time, QStringLiteral("<= 20 ms"),
               atMost(20e-3)});
  rows.append({QStringLiteral("check a 65000-byte COG script (vs one scan counting line ends)"),
               in("cog/checkScript_65000_bytes"), in("cog_floor/count_line_ends_65000_bytes"), Kind::Time,
               QStringLiteral("<= 1 ms"), atMost(1e-3)});
  rows.append(cogcheckRow(dir));

  QList<QStringList> lines = {{QStringLiteral("figure"), QStringLiteral("measured"), QStringLiteral("baseline"),
                               QStringLiteral("ratio"), QStringLiteral("runs"), QStringLiteral("goal"),
                               QStringLiteral("")}};
  int missed = 0;
  for (const Row& row : rows) {
    lines.append(cells(row));
    if (lines.last().last().startsWith(QLatin1String("MISSED")) || lines.last().last().startsWith(QLatin1String("FAILED")))
      ++missed;
  }
  printTable(lines);
  std::printf("\nEvery figure is a median; \"runs\" counts the runs behind it (measured/baseline).\n");
  if (quick) std::printf("QUICK RUN: fewer runs and shorter timings than a real measurement; the figures are noise.\n");
  std::printf("%d of %d figures with a goal missed it or failed.\n", missed,
              int(std::count_if(rows.begin(), rows.end(), [](const Row& r) { return bool(r.met); })));
  return 0;
}

#pragma once
// Reading back what the benchmark runs wrote: medians, with the reason when a
// figure could not be taken.
#include <QMap>
#include <QString>
#include <QVector>
#include <optional>

namespace report {

struct Figure {
  std::optional<double> value;  // seconds for timings, bytes for memory
  int runs = 0;
  QString error;                // why there is no value
};

double median(QVector<double> values);

// hyperfine's --export-json files, one per round: the median wall time of
// each named command over the runs of all rounds.
QMap<QString, Figure> readHyperfine(const QStringList& paths);
// The probe's lines "VmRSS VmHWM" (KiB): the median resident memory in bytes.
Figure readProbeMemory(const QString& path);
// Google Benchmark's JSON with aggregates: the medians by benchmark name
// (without the "/manual_time" and "/iterations:N" suffixes). Timings are in
// seconds; a benchmark with a "bytes_per_document" counter gives that.
QMap<QString, Figure> readGoogleBenchmark(const QString& path);

}  // namespace report

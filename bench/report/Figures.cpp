#include "Figures.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

namespace report {
namespace {

std::optional<QJsonObject> readJson(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("no results (%1 missing)").arg(path);
    return std::nullopt;
  }
  QJsonParseError parse;
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parse);
  if (!doc.isObject()) {
    error = QStringLiteral("unreadable results in %1: %2").arg(path, parse.errorString());
    return std::nullopt;
  }
  return doc.object();
}

double toSeconds(double time, const QString& unit) {
  if (unit == QLatin1String("ns")) return time * 1e-9;
  if (unit == QLatin1String("us")) return time * 1e-6;
  if (unit == QLatin1String("ms")) return time * 1e-3;
  return time;
}

}  // namespace

double median(QVector<double> values) {
  std::sort(values.begin(), values.end());
  const qsizetype n = values.size();
  if (n == 0) return 0;
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QMap<QString, Figure> readHyperfine(const QStringList& paths) {
  QMap<QString, Figure> figures;
  if (paths.isEmpty()) {
    figures.insert(QString(), Figure{std::nullopt, 0, QStringLiteral("no start-up results")});
    return figures;
  }
  QMap<QString, QVector<double>> times;
  QMap<QString, QString> errors;
  for (const QString& path : paths) {
    QString error;
    const std::optional<QJsonObject> root = readJson(path, error);
    if (!root) {
      figures.insert(QString(), Figure{std::nullopt, 0, error});
      return figures;
    }
    for (const QJsonValue& result : (*root)[QLatin1String("results")].toArray()) {
      const QJsonObject r = result.toObject();
      const QString command = r[QLatin1String("command")].toString();
      for (const QJsonValue& t : r[QLatin1String("times")].toArray()) times[command].append(t.toDouble());
      // A run that did not end normally (the probe's time-out) fails the figure.
      for (const QJsonValue& code : r[QLatin1String("exit_codes")].toArray())
        if (code.toInt() != 0) errors[command] = QStringLiteral("the program did not paint its window");
    }
  }
  for (auto it = times.cbegin(); it != times.cend(); ++it) {
    Figure f;
    f.runs = int(it->size());
    if (errors.contains(it.key()))
      f.error = errors.value(it.key());
    else if (it->isEmpty())
      f.error = QStringLiteral("no runs");
    else
      f.value = median(*it);
    figures.insert(it.key(), f);
  }
  return figures;
}

Figure readProbeMemory(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Figure{std::nullopt, 0, QStringLiteral("no memory figures")};
  QVector<double> rss;
  for (const QByteArray& line : file.readAll().split('\n')) {
    const QList<QByteArray> words = line.split(' ');
    if (words.size() == 2 && words[0].toLongLong() > 0) rss.append(words[0].toDouble() * 1024);
  }
  if (rss.isEmpty()) return Figure{std::nullopt, 0, QStringLiteral("the program did not paint its window")};
  return Figure{median(rss), int(rss.size()), QString()};
}

QMap<QString, Figure> readGoogleBenchmark(const QString& path) {
  QMap<QString, Figure> figures;
  QString error;
  const std::optional<QJsonObject> root = readJson(path, error);
  if (!root) {
    figures.insert(QString(), Figure{std::nullopt, 0, error});
    return figures;
  }
  static const QRegularExpression suffixes(QStringLiteral("(/manual_time|/iterations:\\d+|/repeats:\\d+)"));
  for (const QJsonValue& entry : (*root)[QLatin1String("benchmarks")].toArray()) {
    const QJsonObject b = entry.toObject();
    QString name = b[QLatin1String("run_name")].toString(b[QLatin1String("name")].toString());
    name.remove(suffixes);
    if (b[QLatin1String("error_occurred")].toBool()) {
      figures.insert(name, Figure{std::nullopt, 0, b[QLatin1String("error_message")].toString()});
      continue;
    }
    if (b[QLatin1String("aggregate_name")].toString() != QLatin1String("median")) continue;
    if (!figures.value(name).error.isEmpty()) continue;  // one failed run fails the figure
    Figure f;
    f.runs = b[QLatin1String("repetitions")].toInt();
    if (b.contains(QLatin1String("bytes_per_document")))
      f.value = b[QLatin1String("bytes_per_document")].toDouble();
    else
      f.value = toSeconds(b[QLatin1String("real_time")].toDouble(), b[QLatin1String("time_unit")].toString());
    figures.insert(name, f);
  }
  return figures;
}

}  // namespace report

#pragma once
// What one editor start sends the running editor: a tag, then the absolute
// name of each file, each ended by a NUL byte (no file name holds one).
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

inline constexpr int MaxHandOverFiles = 1000;     // per message
inline constexpr int MaxHandOverNameBytes = 4096;  // the system's longest path

// The files as messages that each stay within the channel's and the
// receiver's limits, in order; a name longer than any path is left out.
QList<QByteArray> HandOverMessages(const QStringList& files);

// The files a message names, in order. Names that are not absolute (or too
// long) are ignored; a message that is not one of ours, or is out of bounds,
// gives nullopt. Nothing in a message is ever run, only opened as a file.
std::optional<QStringList> ReadHandOverMessage(const QByteArray& message);

#pragma once
// What a recovery copy holds, and its form on disk: a short text header
// (format tag, real file name or none, caption, byte length, SHA-256 of the
// bytes) and a blank line, then the document's bytes exactly.
#include <QByteArray>
#include <QString>
#include <optional>

struct RecoveryCopy {
  QString fileName;  // the real file behind the document; "" for an untitled one
  QString caption;
  QByteArray text;
};

QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy);
// nullopt for anything but a whole copy: a wrong tag, a damaged header,
// bytes missing or extra, or bytes that do not match their checksum.
std::optional<RecoveryCopy> DecodeRecoveryCopy(const QByteArray& stored);

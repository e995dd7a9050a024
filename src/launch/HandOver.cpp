#include "launch/HandOver.h"

#include <cstdio>

#include "launch/HandOverMessage.h"
#include "platform/InstanceChannel.h"

HandOverResult HandOverFiles(InstanceChannel& channel, const QStringList& files) {
  HandOverResult result;
  result.left = files;
  if (files.isEmpty()) return result;
  const QList<QByteArray> messages = HandOverMessages(files);
  QStringList taken;  // by the running editor
  for (const QByteArray& message : messages) {
    const InstanceChannel::Delivery delivery = channel.Send(message);
    if (delivery == InstanceChannel::Delivery::Delivered) {
      taken += ReadHandOverMessage(message).value_or(QStringList());
      continue;
    }
    if (delivery == InstanceChannel::Delivery::NotAcknowledged) {
      // Someone holds the channel but does not answer: it stays theirs, and
      // the files open here rather than nowhere.
      std::fprintf(stderr, "torvane-edit: the running editor did not answer; opening the files here\n");
      result.mayListen = false;
    }
    result.left.clear();
    for (const QString& file : files)
      if (!taken.contains(file)) result.left.append(file);
    return result;
  }
  result.handedOver = true;
  result.left.clear();
  return result;
}

#pragma once
// The line between editors of one user on one display: a start with files
// hands them to the editor already running there, which opens them.
#include <QByteArray>
#include <functional>

class InstanceChannel {
 public:
  virtual ~InstanceChannel() = default;

  enum class Delivery {
    Delivered,        // the running editor acknowledged the message
    NobodyListening,  // no editor runs (or only a dead one left its socket)
    NotAcknowledged,  // one answered the call but never took the message
  };

  // The largest message either side accepts, in bytes.
  static constexpr qsizetype MaxMessageBytes = 256 * 1024;
  // A connect to a live editor whose queue is full waits this long.
  static constexpr int ConnectMs = 1000;
  // A running editor answers from its event loop; a long file open there
  // delays the answer, a hung one never gives it.
  static constexpr int AcknowledgeMs = 5000;
  // A sender that stops half-way loses its connection after this long.
  static constexpr int ReceiveMs = 3000;
  // What the listener answers to a message it took.
  static constexpr char Acknowledgement[] = "OK";

  // Sends one message to the running editor and waits for its acknowledgement.
  // Returns at once when nobody listens.
  virtual Delivery Send(const QByteArray& message) = 0;

  // Takes each complete message that arrives; returning true acknowledges it.
  using Receiver = std::function<bool(const QByteArray& message)>;
  // Becomes the editor the others hand their files to, unless a live one is
  // there already; a socket left behind by a dead one is taken over. Returns
  // whether this editor now listens.
  virtual bool Listen(Receiver receiver) = 0;
};

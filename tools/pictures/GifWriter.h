#pragma once
// An animated GIF89a: one global palette of up to 256 colours, frames of the full picture size,
// looping for ever (Qt reads GIF but does not write it).
#include <QByteArray>
#include <QList>

#include "IndexedImage.h"

// Every frame must have the size and palette of the first; delay is in hundredths of a second.
QByteArray encodeGif(const QList<IndexedImage>& frames, int delayCentiseconds);

#pragma once
// The product picture: a cog turning over a planet in space, with a moon in orbit.
#include <QImage>
#include <QList>

// The frames of one full loop, 80 x 50 each.
QList<QImage> drawEmblemFrames(int frameCount);

#pragma once
// The program icon, the Quit button's icon and the pointing-hand cursor.
#include <QImage>

#include "IndexedImage.h"

// A script page with a cog over a small planet, drawn at any size (32 for the icon file).
QImage drawProgramIcon(int size);
// A white figure walking out through a doorway, on black; 32 or 16 pixels square.
QImage drawQuitIcon(int size);
// A pointing hand, 32 x 32, the tip of the index finger at 12, 1.
IndexedImage drawHandCursor();

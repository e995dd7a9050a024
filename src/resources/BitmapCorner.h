#pragma once
// The top-left corner of a picture, read without decoding the rest: for a
// large bitmap of which only a strip is ever shown.
#include <QImage>
#include <QSize>
#include <QString>

// The top-left `size` of the picture at `path` (clipped to the picture),
// pixel for pixel what decoding the whole picture gives there. An
// uncompressed 24-bit Windows bitmap is read row by row, only the rows
// needed; any other picture is decoded whole and cut.
QImage bitmapCorner(const QString& path, const QSize& size);

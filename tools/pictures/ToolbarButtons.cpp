#include "ToolbarButtons.h"

#include <QMap>

namespace {

// Indexes into the standard 16-colour palette.
enum : uint8_t {
  Black = 0, Maroon = 1, DarkYellow = 3, Navy = 4, Teal = 6, Silver = 7, Grey = 8,
  Red = 9, Yellow = 11, Blue = 12, White = 15
};

const int Height = 22;
const int GlyphSize = 16;

// The symbols, 16 x 16, one letter a pixel; a space leaves the button's face.
const char* const NewPage[] = {
    "",
    "   kkkkkkkk",
    "   kwwwwwwkk",
    "   kwwwwwwksk",
    "   kwwwwwwkssk",
    "   kwwwwwwkkkkk",
    "   kwwwwwwwwwwk",
    "   kwwwwwwwwwwk",
    "   kwwwwwwwwwwk",
    "   kwwwwwwwwwwk",
    "   kwwwwwwwwwwk",
    "   kwwwwwwwwwwk",
    "   kwwwwwwwwwwk",
    "   kwwwwwwwwwwk",
    "   kkkkkkkkkkkk",
};
const char* const OpenFolder[] = {
    "",
    "",
    " kkkk",
    "kooook",
    "koooookkkkkkk",
    "kowwwwwwwwwwk",
    "kowwkkkkkkkkkkkk",
    "kowwkyyyyyyyyyyk",
    "kowkyyyyyyyyyyk",
    "kowkyyyyyyyyyyk",
    "kokyyyyyyyyyyk",
    "kokyyyyyyyyyyk",
    "kkyyyyyyyyyyk",
    "kkkkkkkkkkkk",
};
const char* const Scissors[] = {
    "",
    "     k     k",
    "     kk    k",
    "      k   kk",
    "      kk  k",
    "       k kk",
    "       kkk",
    "        k",
    "       rkr",
    "  rrrrr   rrrrr",
    " r    r   r    r",
    " r    r   r    r",
    " r    r   r    r",
    "  rrrr     rrrr",
};
const char* const TwoPages[] = {
    "",
    " kkkkkkkk",
    " kwwwwwwk",
    " kwnnnnwk",
    " kwwwwwwk",
    " kwnnnkkkkkkkkk",
    " kwwwwkwwwwwwwk",
    " kwnnnkwnnnnnwk",
    " kwwwwkwwwwwwwk",
    " kwnnnkwnnnnnwk",
    " kwwwwkwwwwwwwk",
    " kkkkkkwnnnnnwk",
    "      kwwwwwwwk",
    "      kwnnnnnwk",
    "      kwwwwwwwk",
    "      kkkkkkkkk",
};
const char* const ClipboardPage[] = {
    "     kkkk",
    "  kkkkssskkkk",
    "  kookkkkkook",
    "  koooooooook",
    "  koooooooook",
    "  kookkkkkkkkkk",
    "  kookwwwwwwwwk",
    "  kookwnnnnnnwk",
    "  kookwwwwwwwwk",
    "  kookwnnnnnnwk",
    "  kookwwwwwwwwk",
    "  kookwnnnnwwwk",
    "  kookwwwwwwwwk",
    "  kkkkwwwwwwwwk",
    "      kkkkkkkkk",
};

uint8_t colourOf(char c) {
  static const QMap<char, uint8_t> colours = {
      {'k', Black}, {'w', White}, {'s', Silver}, {'g', Grey},     {'y', Yellow},
      {'o', DarkYellow}, {'n', Navy}, {'b', Blue}, {'r', Red},    {'m', Maroon}, {'t', Teal}};
  return colours.value(c, Silver);
}

void put(IndexedImage& im, int x, int y, uint8_t c) {
  if (x >= 0 && y >= 0 && x < im.width && y < im.height) im.pixels[size_t(y) * im.width + x] = c;
}

template <size_t N>
IndexedImage drawButton(int width, bool pressed, int releasedWidth, const char* const (&glyph)[N]) {
  IndexedImage im;
  im.width = width;
  im.height = Height;
  im.palette = standardPalette16();
  im.pixels.assign(size_t(width) * Height, Silver);
  for (int x = 0; x < width; ++x) {
    put(im, x, 0, Black);
    put(im, x, Height - 1, Black);
  }
  for (int y = 0; y < Height; ++y) {
    put(im, 0, y, Black);
    put(im, width - 1, y, Black);
  }
  if (pressed) {
    for (int x = 1; x < width - 1; ++x) put(im, x, 1, Grey);
    for (int y = 1; y < Height - 1; ++y) put(im, 1, y, Grey);
  } else {
    for (int x = 1; x < width - 1; ++x) put(im, x, Height - 2, Grey);
    for (int y = 1; y < Height - 1; ++y) put(im, width - 2, y, Grey);
    for (int x = 1; x < width - 2; ++x) put(im, x, 1, White);
    for (int y = 1; y < Height - 2; ++y) put(im, 1, y, White);
  }
  // The symbol sits where the released button centres it; pressed, one pixel lower and right.
  const int left = (releasedWidth - GlyphSize) / 2 + (pressed ? 1 : 0);
  const int top = (Height - GlyphSize) / 2 + (pressed ? 1 : 0);
  for (size_t row = 0; row < N; ++row)
    for (int col = 0; glyph[row][col] != '\0'; ++col)
      if (glyph[row][col] != ' ') put(im, left + col, top + int(row), colourOf(glyph[row][col]));
  return im;
}

}  // namespace

QList<ButtonPicture> drawToolbarButtons() {
  return {
      {"imgFileNewButtonUp", drawButton(24, false, 24, NewPage)},
      {"imgFileNewButtonDn", drawButton(25, true, 24, NewPage)},
      {"imgFileOpenButtonUp", drawButton(24, false, 24, OpenFolder)},
      {"imgFileOpenButtonDn", drawButton(24, true, 24, OpenFolder)},
      {"imgCutButtonUp", drawButton(25, false, 25, Scissors)},
      {"imgCutButtonDn", drawButton(25, true, 25, Scissors)},
      {"imgCopyButtonUp", drawButton(25, false, 25, TwoPages)},
      {"imgCopyButtonDn", drawButton(25, true, 25, TwoPages)},
      {"imgPasteButtonUp", drawButton(25, false, 25, ClipboardPage)},
      {"imgPasteButtonDn", drawButton(25, true, 25, ClipboardPage)},
  };
}

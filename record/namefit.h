#pragma once
// A child's name on its tile: whole, never cut. The name is broken into lines at its
// blanks and after its hyphens (inside a word only when a word alone is too wide), and
// the type is made smaller until every line fits the tile's width and the lines leave
// the upper part of the tile to the child's picture.

#include <QString>

#include "forms/font.h"

namespace record {

struct FittedName {
  QString caption;  // the name with CR LF where a line ends
  forms::Font font;
};

// `width` and `height` are the tile's size in twips; `font` the largest type wanted.
FittedName fitName(const QString& name, const forms::Font& font, int width, int height);

// The room a tile leaves its caption, in pixels of the layout: inside the tile's edge,
// with a little air on both sides; the text at most this high.
double captionWidth(int widthTwips);
double captionHeight(int heightTwips);

}  // namespace record

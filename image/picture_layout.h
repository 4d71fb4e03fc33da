// Where a picture goes in the picture box's client area.
#pragma once

namespace taoci {

struct DrawRect {
  int left;
  int top;
  int width;
  int height;
};

// The rectangle, inside a client area of `client_width` × `client_height`,
// at which a picture of `picture_width` × `picture_height` is drawn. It is
// centred. A picture larger than the area in either direction is scaled down
// by the smaller of the two factors client ÷ picture, keeping its
// proportions, and the scaled sizes are truncated to whole pixels; a smaller
// one keeps its natural size and is never enlarged. A scaled side may so
// become 0, and then nothing is drawn. An empty picture or area gives an
// empty rectangle.
DrawRect LayoutPicture(int client_width, int client_height, int picture_width, int picture_height);

}  // namespace taoci

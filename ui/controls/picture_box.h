// The picture box: a single-line border around an area of the window's
// colour, showing one picture held as the Byte block it came in. The block is
// decoded when the box is next drawn, and the pixels are kept for later
// redraws; a block that gives no picture is dropped and the box shows its
// background only. GUI thread only.
#pragma once

#include <windows.h>

#include <optional>

#include "image/picture_layout.h"
#include "text/byte_block.h"
#include "ui/controls/control.h"
#include "ui/gdi_objects.h"

namespace taoci {

class PictureBox : public Control {
 public:
  static constexpr ControlKind kKind = ControlKind::kPictureBox;
  ControlKind kind() const override { return kKind; }

  bool Create(HWND parent, int id, ChildPlace place);

  // Keeps the block, forgets any picture decoded before and redraws.
  void SetPicture(ByteBlock block);
  const ByteBlock& block() const { return block_; }

  // Where the last drawing put the picture in the client area; none when it
  // showed the background only.
  std::optional<DrawRect> last_drawn() const { return last_drawn_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  struct Decoded {
    int width;  // the picture's own size, which the layout works from
    int height;
    // 32 bits, top-down, premultiplied alpha: the picture already shrunk to
    // the size it is drawn at, since the box's size never changes.
    OwnedBitmap bitmap;
    int bitmap_width;
    int bitmap_height;
  };

  void DecodeIfNew();
  void Paint(HDC dc);

  ByteBlock block_;
  bool decode_tried_ = true;  // the empty block at first: nothing to decode
  std::optional<Decoded> decoded_;
  std::optional<DrawRect> last_drawn_;
};

}  // namespace taoci

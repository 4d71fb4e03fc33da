#include "ui/controls/picture_box.h"

#include <cstring>
#include <utility>

#include "image/decode_picture.h"
#include "image/picture_layout.h"
#include "image/picture_scale.h"

namespace taoci {

namespace {

// The decoded pixels as a bitmap that AlphaBlend takes: 32 bits per pixel,
// rows from the top, colours premultiplied, which is how the decoder gives
// them.
OwnedBitmap BitmapFromPicture(const Picture& picture) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return nullptr;
  std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(picture.pixels[0]));
  return bitmap;
}

}  // namespace

bool PictureBox::Create(HWND parent, int id, ChildPlace place) {
  const OwnWindowClass window_class = {L"TaociPictureBox", LoadCursorW(nullptr, IDC_ARROW), nullptr,
                                       nullptr};
  return CreateOwnChild(window_class, parent, id, place, WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER,
                        0, L"");
}

void PictureBox::SetPicture(ByteBlock block) {
  block_ = std::move(block);
  decoded_.reset();
  decode_tried_ = block_.empty();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void PictureBox::DecodeIfNew() {
  if (decode_tried_) return;
  decode_tried_ = true;
  std::optional<Picture> picture = DecodePicture(block_);
  const bool complete = picture && picture->width > 0 && picture->height > 0 &&
                        picture->pixels.size() == static_cast<std::size_t>(picture->width) *
                                                      static_cast<std::size_t>(picture->height);
  if (!complete) {
    block_ = ByteBlock();  // no picture: the block is of no further use
    return;
  }
  // A picture larger than the box is averaged down once here rather than
  // stretched at every paint, which would drop rows and columns.
  RECT client = {};
  GetClientRect(hwnd(), &client);
  const int width = picture->width;
  const int height = picture->height;
  const DrawRect place = LayoutPicture(client.right, client.bottom, width, height);
  if (place.width > 0 && place.height > 0 && (place.width < width || place.height < height)) {
    *picture = ScalePictureDown(*picture, place.width, place.height);
  }
  OwnedBitmap bitmap = BitmapFromPicture(*picture);
  if (!bitmap) {
    block_ = ByteBlock();
    return;
  }
  decoded_ = Decoded{width, height, std::move(bitmap), picture->width, picture->height};
}

void PictureBox::Paint(HDC dc) {
  DecodeIfNew();
  RECT client = {};
  GetClientRect(hwnd(), &client);
  last_drawn_.reset();
  if (!decoded_) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  const DrawRect place =
      LayoutPicture(client.right, client.bottom, decoded_->width, decoded_->height);
  // The background around the picture, and behind its transparent pixels.
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (place.width <= 0 || place.height <= 0) return;

  OwnedMemoryDc source(CreateCompatibleDC(dc));
  if (!source) return;
  SelectedObject selected(source.get(), decoded_->bitmap.get());
  const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  if (AlphaBlend(dc, place.left, place.top, place.width, place.height, source.get(), 0, 0,
                 decoded_->bitmap_width, decoded_->bitmap_height, blend)) {
    last_drawn_ = place;
  }
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
      PaintScope paint(hwnd());
      Paint(paint.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wparam));
      return 0;
    default:
      return DefaultProcessing(message, wparam, lparam);
  }
}

}  // namespace taoci

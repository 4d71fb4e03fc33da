#include "image/gif_decode.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "image/picture_limits.h"
#include "image/pixel.h"

namespace taoci {
namespace {

struct GifSource {
  const unsigned char* data;
  std::size_t size;
  std::size_t position;
};

int ReadGifBytes(GifFileType* gif, GifByteType* out, int count) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  const std::size_t left = source->size - source->position;
  const std::size_t taken = count < 0 ? 0 : std::min(static_cast<std::size_t>(count), left);
  std::memcpy(out, source->data + source->position, taken);
  source->position += taken;
  return static_cast<int>(taken);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// Reads the sub-blocks of an extension to their end. A graphic control
// block that comes before the first image gives that image's transparent
// colour index.
bool ReadExtension(GifFileType* gif, bool before_first_image, int* transparent_index) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
    return false;
  }
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && before_first_image) {
    GraphicsControlBlock control;
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
      *transparent_index = control.TransparentColor;
    }
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
      return false;
    }
  }
  return true;
}

// Passes over the compressed data of an image after the first.
bool SkipImageData(GifFileType* gif) {
  int code_size = 0;
  GifByteType* block = nullptr;
  if (DGifGetCode(gif, &code_size, &block) == GIF_ERROR) {
    return false;
  }
  while (block != nullptr) {
    if (DGifGetCodeNext(gif, &block) == GIF_ERROR) {
      return false;
    }
  }
  return true;
}

// The rows of an interlaced image arrive in four passes: every eighth row
// from row 0, every eighth from row 4, every fourth from row 2, every second
// from row 1.
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) {
      order.push_back(y);
    }
    return order;
  }
  constexpr int kStart[] = {0, 4, 2, 1};
  constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kStart[pass]; y < height; y += kStep[pass]) {
      order.push_back(y);
    }
  }
  return order;
}

// Decodes the image whose descriptor was just read onto `screen`, which is
// transparent where the frame does not reach. Every row is decoded, also
// those outside the screen, so that damage anywhere in the frame is seen.
bool DecodeFirstImage(GifFileType* gif, int transparent_index, Picture* screen) {
  const GifImageDesc& frame = gif->Image;
  const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
  if (map == nullptr || !PictureSizeAllowed(frame.Width, frame.Height)) {
    return false;
  }
  std::vector<GifPixelType> row(static_cast<std::size_t>(frame.Width));
  for (int frame_y : RowOrder(frame.Height, frame.Interlace)) {
    if (DGifGetLine(gif, row.data(), frame.Width) == GIF_ERROR) {
      return false;
    }
    const std::int64_t y = static_cast<std::int64_t>(frame.Top) + frame_y;
    for (int frame_x = 0; frame_x < frame.Width; ++frame_x) {
      const int index = row[static_cast<std::size_t>(frame_x)];
      if (index == transparent_index) {
        continue;
      }
      if (index >= map->ColorCount) {
        return false;
      }
      const std::int64_t x = static_cast<std::int64_t>(frame.Left) + frame_x;
      if (x < screen->width && y < screen->height) {
        const GifColorType& colour = map->Colors[index];
        screen->pixels[static_cast<std::size_t>(y * screen->width + x)] =
            OpaquePixel(colour.Red, colour.Green, colour.Blue);
      }
    }
  }
  return true;
}

}  // namespace

std::optional<Picture> DecodeGif(std::span<const unsigned char> bytes) {
  GifSource source{bytes.data(), bytes.size(), 0};
  int error = 0;
  GifFile gif(DGifOpen(&source, ReadGifBytes, &error));
  if (gif == nullptr) {
    return std::nullopt;
  }
  Picture picture;
  if (!AllocatePicture(gif->SWidth, gif->SHeight, &picture)) {
    return std::nullopt;
  }
  bool have_image = false;
  int transparent_index = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) {
      return std::nullopt;
    }
    switch (record) {
      case EXTENSION_RECORD_TYPE:
        if (!ReadExtension(gif.get(), !have_image, &transparent_index)) {
          return std::nullopt;
        }
        break;
      case IMAGE_DESC_RECORD_TYPE:
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR) {
          return std::nullopt;
        }
        if (have_image ? !SkipImageData(gif.get())
                       : !DecodeFirstImage(gif.get(), transparent_index, &picture)) {
          return std::nullopt;
        }
        have_image = true;
        break;
      case TERMINATE_RECORD_TYPE:
        if (!have_image) {
          return std::nullopt;
        }
        return picture;
      default:
        return std::nullopt;
    }
  }
}

}  // namespace taoci

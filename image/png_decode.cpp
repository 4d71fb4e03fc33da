#include "image/png_decode.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "image/picture_limits.h"
#include "image/pixel.h"

namespace taoci {
namespace {

// Below libpng's own defaults (1000 chunks, 8 MB a chunk): a picture needs
// few chunks, and the big ones, IDAT, are streamed and not held whole.
constexpr png_uint_32 kMaxCachedChunks = 128;
constexpr png_alloc_size_t kMaxChunkBytes = 1024 * 1024;

struct PngSource {
  const unsigned char* data;
  std::size_t size;
  std::size_t position;
};

// Everything the decoding touches, in one trivially destructible object that
// the caller owns, so that nothing is lost when libpng jumps out of it.
struct PngSession {
  png_structp png;
  png_infop info;
  PngSource source;
  Picture* picture;
  // A palette image is read as indexes and coloured afterwards, so that an
  // index past the palette is seen: libpng checks that only for some
  // depths, and only warns.
  bool indexed;
  int palette_size;
  png_color palette[256];
  png_byte palette_alpha[256];
};

void ReadPngBytes(png_structp png, png_bytep out, std::size_t count) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (count > source->size - source->position) {
    png_error(png, "truncated");
  }
  std::memcpy(out, source->data + source->position, count);
  source->position += count;
}

// Silent, unlike libpng's own handlers, which print. An error jumps back to
// RunPng; if this returned, libpng would print it and then jump.
[[noreturn]] void OnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnPngWarning(png_structp, png_const_charp) {}

// Copies the palette and its alpha (from tRNS, else opaque) out of libpng.
bool KeepPalette(PngSession* s) {
  png_colorp colours = nullptr;
  int count = 0;
  if (png_get_PLTE(s->png, s->info, &colours, &count) == 0 || count < 1 || count > 256) {
    return false;
  }
  s->palette_size = count;
  std::memcpy(s->palette, colours, sizeof(png_color) * static_cast<std::size_t>(count));
  std::memset(s->palette_alpha, 0xFF, sizeof(s->palette_alpha));
  png_bytep alpha = nullptr;
  int alpha_count = 0;
  if (png_get_tRNS(s->png, s->info, &alpha, &alpha_count, nullptr) != 0 && alpha != nullptr) {
    std::memcpy(s->palette_alpha, alpha,
                static_cast<std::size_t>(std::min(std::max(alpha_count, 0), 256)));
  }
  return true;
}

// Runs between the setjmp in RunPng and any jump back, so it holds no object
// with a destructor.
bool DecodeSteps(PngSession* s) {
  png_structp png = s->png;
  png_infop info = s->info;
  png_set_read_fn(png, &s->source, ReadPngBytes);
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_cache_max(png, kMaxCachedChunks);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  // A bad CRC ends the decoding in a critical chunk, and drops an ancillary
  // one, whose content is not needed anyway.
  png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_WARN_DISCARD);
  // Everything but IHDR, PLTE, tRNS, IDAT and IEND is skipped unparsed: the
  // picture needs nothing else, and every parser not run is one less to
  // attack.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  // libpng passes over some damage with a warning (image data split by
  // other chunks, a tRNS out of place, ...); here it ends the decoding like
  // any other.
  png_set_benign_errors(png, 0);

  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (!PictureSizeAllowed(width, height)) {
    return false;
  }
  const int color_type = png_get_color_type(png, info);
  s->indexed = color_type == PNG_COLOR_TYPE_PALETTE;
  if (s->indexed) {
    if (!KeepPalette(s)) {
      return false;
    }
    png_set_packing(png);  // an index a byte, whatever the depth
  } else {
    // Every other bit depth and colour type becomes 8-bit red, green, blue,
    // alpha.
    const bool has_alpha =
        (color_type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand(png);
    if (png_get_bit_depth(png, info) == 16) {
      png_set_scale_16(png);
    }
    if ((color_type & PNG_COLOR_MASK_COLOR) == 0) {
      png_set_gray_to_rgb(png);
    }
    if (!has_alpha) {
      png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    }
  }
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const std::size_t channels = s->indexed ? 1 : 4;
  if (png_get_bit_depth(png, info) != 8 || png_get_channels(png, info) != channels ||
      png_get_rowbytes(png, info) != width * channels ||
      !AllocatePicture(width, height, s->picture)) {
    return false;
  }
  // The rows go straight into the pixels' memory, a row of bytes where each
  // row of pixels starts; ToPixels turns them into pixel values afterwards.
  // Each pass of an interlaced image fills in its pixels over those of the
  // passes before.
  auto* bytes = reinterpret_cast<unsigned char*>(s->picture->pixels.data());
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) {
      png_read_row(png, bytes + static_cast<std::size_t>(y) * width * 4, nullptr);
    }
  }
  // Reads on to IEND, so that a file cut after its image data is noticed.
  // With the info structure, not without: without it libpng passes over
  // every chunk up to IEND unchecked.
  png_read_end(png, info);
  return true;
}

// The only frame that calls setjmp. libpng reports errors by longjmp to it,
// over its own frames and DecodeSteps, none of which has anything to destroy.
bool RunPng(PngSession* s) {
  s->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
  if (s->png == nullptr) {
    return false;
  }
  s->info = png_create_info_struct(s->png);
  if (s->info == nullptr) {
    png_destroy_read_struct(&s->png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(s->png)) != 0) {
    png_destroy_read_struct(&s->png, &s->info, nullptr);
    return false;
  }
  const bool decoded = DecodeSteps(s);
  png_destroy_read_struct(&s->png, &s->info, nullptr);
  return decoded;
}

// The rows as libpng left them made premultiplied pixels, in place: four
// bytes R, G, B, A a pixel, or for a palette image an index byte a pixel at
// the start of each row, coloured from the right so that no index is
// overwritten before it is read. False for an index past the palette.
bool ToPixels(const PngSession& s, Picture* picture) {
  const std::size_t width = static_cast<std::size_t>(picture->width);
  auto* bytes = reinterpret_cast<unsigned char*>(picture->pixels.data());
  for (std::size_t y = 0; y < static_cast<std::size_t>(picture->height); ++y) {
    std::uint32_t* row = picture->pixels.data() + y * width;
    const unsigned char* row_bytes = bytes + y * width * 4;
    for (std::size_t x = width; x-- > 0;) {
      if (s.indexed) {
        const unsigned index = row_bytes[x];
        if (index >= static_cast<unsigned>(s.palette_size)) {
          return false;
        }
        const png_color& c = s.palette[index];
        row[x] = PremultipliedPixel(c.red, c.green, c.blue, s.palette_alpha[index]);
      } else {
        const unsigned char* rgba = row_bytes + 4 * x;
        row[x] = PremultipliedPixel(rgba[0], rgba[1], rgba[2], rgba[3]);
      }
    }
  }
  return true;
}

}  // namespace

std::optional<Picture> DecodePng(std::span<const unsigned char> bytes) {
  PngSession session{};
  Picture picture;
  session.source = PngSource{bytes.data(), bytes.size(), 0};
  session.picture = &picture;
  if (!RunPng(&session) || !ToPixels(session, &picture)) {
    return std::nullopt;
  }
  return picture;
}

}  // namespace taoci

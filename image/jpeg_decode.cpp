#include "image/jpeg_decode.h"

#include <bit>
#include <climits>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

// After <cstdio>: jpeglib.h uses FILE without including its header.
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "image/picture_limits.h"
#include "image/pixel.h"

namespace taoci {
namespace {

// A progressive file has about ten scans. Thousands of tiny ones would make
// every few bytes of input cost a pass over the whole image.
constexpr int kMaxScans = 100;
// Enough for the coefficients of the largest allowed picture in a
// progressive file with subsampled colour; a header that needs more is not
// an item picture.
constexpr long kMemoryLimit = 128L * 1024 * 1024;

struct JpegErrors {
  jpeg_error_mgr manager;  // first: libjpeg's pointer to it is a pointer to this
  std::jmp_buf jump;
};

// Everything the decoding touches, in one trivially destructible object that
// the caller owns, so that nothing is lost when libjpeg jumps out of it.
struct JpegSession {
  jpeg_decompress_struct decoder;
  JpegErrors errors;
  jpeg_progress_mgr progress;
  const unsigned char* data;
  std::size_t size;
  Picture* picture;
};

[[noreturn]] void FailJpeg(j_common_ptr common) {
  std::longjmp(reinterpret_cast<JpegErrors*>(common->err)->jump, 1);
}

// Warnings that leave the picture whole. Every other warning means damaged
// or missing data, which libjpeg would go on to fill with grey: the first
// one ends the decoding.
bool IsHarmlessWarning(int code) {
  return code == JWRN_ADOBE_XFORM || code == JWRN_JFIF_MAJOR || code == JWRN_BOGUS_ICC ||
         code == JWRN_EXTRANEOUS_DATA;
}

void OnJpegMessage(j_common_ptr common, int level) {
  if (level < 0 && !IsHarmlessWarning(common->err->msg_code)) {
    FailJpeg(common);
  }
}

void LimitScans(j_common_ptr common) {
  if (common->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(common)->input_scan_number > kMaxScans) {
    FailJpeg(common);
  }
}

// libjpeg-turbo writes the pixels itself, as the four bytes that make a
// 32-bit 0xAARRGGBB in this machine's byte order, alpha 0xFF.
constexpr J_COLOR_SPACE kPixelColourSpace =
    std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Adobe's writers store CMYK inverted (0 is full ink), and nearly every CMYK
// JPEG comes from them; the others store it plainly.
void StoreCmykRow(const JSAMPLE* row, int width, bool inverted, std::uint32_t* out) {
  for (int x = 0; x < width; ++x, row += 4) {
    std::uint32_t c = row[0], m = row[1], y = row[2], k = row[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    out[x] = OpaquePixel((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
  }
}

// Runs between the setjmp in RunJpeg and any jump back, so it holds no object
// with a destructor either.
bool DecodeSteps(JpegSession* s) {
  jpeg_decompress_struct* d = &s->decoder;
  jpeg_CreateDecompress(d, JPEG_LIB_VERSION, sizeof(*d));
  d->mem->max_memory_to_use = kMemoryLimit;
  s->progress.progress_monitor = LimitScans;
  d->progress = &s->progress;
  jpeg_mem_src(d, s->data, static_cast<unsigned long>(s->size));
  if (jpeg_read_header(d, TRUE) != JPEG_HEADER_OK || d->data_precision != 8 ||
      !PictureSizeAllowed(d->image_width, d->image_height)) {
    return false;
  }
  bool cmyk = false;
  switch (d->jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
      d->out_color_space = kPixelColourSpace;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      d->out_color_space = JCS_CMYK;  // libjpeg makes no RGB of it
      cmyk = true;
      break;
    default:
      return false;
  }
  jpeg_start_decompress(d);
  if (d->output_width != d->image_width || d->output_height != d->image_height ||
      d->output_components != 4 ||
      !AllocatePicture(d->output_width, d->output_height, s->picture)) {
    return false;
  }
  const int width = s->picture->width;
  JSAMPARRAY cmyk_row =
      cmyk ? (*d->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(d), JPOOL_IMAGE,
                                     static_cast<JDIMENSION>(width * 4), 1)
           : nullptr;
  while (d->output_scanline < d->output_height) {
    std::uint32_t* out =
        s->picture->pixels.data() + static_cast<std::size_t>(d->output_scanline) * width;
    JSAMPROW row = cmyk ? cmyk_row[0] : reinterpret_cast<JSAMPROW>(out);
    if (jpeg_read_scanlines(d, &row, 1) != 1) {
      return false;
    }
    if (cmyk) {
      StoreCmykRow(row, width, d->saw_Adobe_marker, out);
    }
  }
  // Reads on to the end-of-image marker, so that a stream cut after its last
  // row is noticed too.
  jpeg_finish_decompress(d);
  return true;
}

// The only frame that calls setjmp. libjpeg reports fatal errors through
// error_exit, which must not return; FailJpeg jumps back here, over libjpeg's
// own frames and DecodeSteps, none of which has anything to destroy.
bool RunJpeg(JpegSession* s) {
  s->decoder.err = jpeg_std_error(&s->errors.manager);
  s->errors.manager.error_exit = FailJpeg;
  s->errors.manager.emit_message = OnJpegMessage;
  if (setjmp(s->errors.jump) != 0) {
    jpeg_destroy_decompress(&s->decoder);
    return false;
  }
  const bool decoded = DecodeSteps(s);
  jpeg_destroy_decompress(&s->decoder);
  return decoded;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const unsigned char> bytes) {
  // libjpeg counts the input in an unsigned long, which is 32 bits on Windows.
  if constexpr (sizeof(std::size_t) > sizeof(unsigned long)) {
    if (bytes.size() > ULONG_MAX) {
      return std::nullopt;
    }
  }
  JpegSession session{};  // zeroed, so that an early jump destroys nothing
  Picture picture;
  session.data = bytes.data();
  session.size = bytes.size();
  session.picture = &picture;
  if (!RunJpeg(&session)) {
    return std::nullopt;
  }
  return picture;
}

}  // namespace taoci

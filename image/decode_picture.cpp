#include "image/decode_picture.h"

#include <span>

#include "image/bmp_decode.h"
#include "image/gif_decode.h"
#include "image/icon_decode.h"
#include "image/jpeg_decode.h"
#include "image/pcx_decode.h"
#include "image/picture_format.h"
#include "image/png_decode.h"

namespace taoci {

std::optional<Picture> DecodePicture(const ByteBlock& block) {
  const std::span<const unsigned char> bytes(block.data(), block.size());
  switch (SniffPictureFormat(bytes)) {
    case PictureFormat::kJpeg:
      return DecodeJpeg(bytes);
    case PictureFormat::kBmp:
      return DecodeBmp(bytes);
    case PictureFormat::kPng:
      return DecodePng(bytes);
    case PictureFormat::kGif:
      return DecodeGif(bytes);
    case PictureFormat::kIcon:
      return DecodeIcon(bytes);
    case PictureFormat::kPcx:
      return DecodePcx(bytes);
    case PictureFormat::kUnknown:
      break;
  }
  return std::nullopt;
}

}  // namespace taoci

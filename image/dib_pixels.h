// The rows of a device-independent bitmap, uncompressed or in bit fields.
#pragma once

#include <span>

#include "image/dib_header.h"
#include "image/picture.h"

namespace taoci {

// Decodes header.height rows from `bits`, which starts at the first stored
// row, into `picture`, already allocated to the header's size. The pixels
// get straight, not premultiplied, alpha: from masks[3] where it is set,
// else 0xFF. False, with the picture half filled, when the rows are not all
// there or an index is past the colour table.
bool DecodeDibRows(const DibHeader& header, std::span<const unsigned char> bits, Picture* picture);

// Whether any pixel has an alpha other than 0; a bitmap written by a
// program that knows no alpha leaves 0 everywhere.
bool HasAnyAlpha(const Picture& picture);

}  // namespace taoci

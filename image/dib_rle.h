// Run-length coded bitmaps: RLE8 and RLE4.
#pragma once

#include <span>

#include "image/dib_header.h"
#include "image/picture.h"

namespace taoci {

// Decodes the runs in `bits` into `picture`, already allocated to the
// header's size with every pixel transparent, from the bottom row up.
// Pixels that the runs pass over (by an end of line, a jump or the end of
// the bitmap) stay transparent, so the background shows there, as where a
// bitmap drawn by the system leaves the screen alone. False when the data
// ends before its end-of-bitmap code, when a run or a jump would leave the
// image, or when an index is past the colour table.
bool DecodeDibRle(const DibHeader& header, std::span<const unsigned char> bits, Picture* picture);

}  // namespace taoci

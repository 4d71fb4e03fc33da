// Icon and cursor files: our own code.
#pragma once

#include <optional>
#include <span>

#include "image/picture.h"

namespace taoci {

// The largest image of an icon or cursor file, the deepest among those of
// that size. A bitmap image takes its transparency from its alpha channel,
// or from its AND mask when it has no alpha or an alpha of 0 everywhere, and
// is opaque when the mask is missing; a PNG image goes through DecodePng.
std::optional<Picture> DecodeIcon(std::span<const unsigned char> bytes);

}  // namespace taoci

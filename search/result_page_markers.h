// The fragments of the marketplace's result-page markup that the scan cuts
// at. All are ASCII, which the scan relies on: behind an ASCII marker a new
// character always begins.
#pragma once

#include <string_view>

#include "text/char_start_search.h"

namespace taoci {

inline constexpr std::string_view kItemBlockMarker = "<div class=\"item-box st-itembox\">";
inline constexpr std::string_view kPictureMarker = "<img data-ks-lazyload=\"";
inline constexpr std::string_view kPictureEnd = "\"";
inline constexpr std::string_view kPriceStart = "<strong>";
inline constexpr std::string_view kPriceEnd = "</strong>";

static_assert(kItemBlockMarker.size() == 33 && kPictureMarker.size() == 23);
static_assert(IsAllAscii(kItemBlockMarker) && IsAllAscii(kPictureMarker) &&
              IsAllAscii(kPictureEnd) && IsAllAscii(kPriceStart) && IsAllAscii(kPriceEnd));

}  // namespace taoci

#include "image/picture_scale.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace taoci {

namespace {

// Which source pixels target pixel `i` of `target` covers along one axis of
// `source` pixels, with the share of each.
struct Span {
  int first;
  std::vector<double> weights;  // for first, first + 1, ...; they add up to 1
};

std::vector<Span> Spans(int source, int target) {
  std::vector<Span> spans(static_cast<std::size_t>(target));
  const double step = static_cast<double>(source) / target;
  for (int i = 0; i < target; ++i) {
    const double start = i * step;
    const double end = std::min(static_cast<double>(source), (i + 1) * step);
    Span& span = spans[static_cast<std::size_t>(i)];
    span.first = std::min(static_cast<int>(start), source - 1);
    for (int j = span.first; j < source && j < end; ++j) {
      const double covered = std::min(end, j + 1.0) - std::max(start, static_cast<double>(j));
      if (covered > 0) span.weights.push_back(covered / step);
    }
  }
  return spans;
}

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

}  // namespace

Picture ScalePictureDown(const Picture& picture, int width, int height) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() !=
          static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
    return Picture{};
  }
  width = std::clamp(width, 1, picture.width);
  height = std::clamp(height, 1, picture.height);
  if (width == picture.width && height == picture.height) return picture;

  const std::vector<Span> columns = Spans(picture.width, width);
  const std::vector<Span> rows = Spans(picture.height, height);
  const auto target_width = static_cast<std::size_t>(width);

  // First every source row shrinks to the new width, then the rows are
  // averaged into the new height: each source pixel is read once.
  std::vector<float> narrow(static_cast<std::size_t>(picture.height) * target_width * 4);
  for (int y = 0; y < picture.height; ++y) {
    const std::uint32_t* row = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
    float* out = &narrow[static_cast<std::size_t>(y) * target_width * 4];
    for (std::size_t x = 0; x < target_width; ++x) {
      double sum[4] = {0, 0, 0, 0};
      const Span& span = columns[x];
      for (std::size_t k = 0; k < span.weights.size(); ++k) {
        const std::uint32_t pixel = row[span.first + static_cast<int>(k)];
        for (int c = 0; c < 4; ++c) sum[c] += span.weights[k] * Channel(pixel, 8 * c);
      }
      for (int c = 0; c < 4; ++c) out[x * 4 + static_cast<std::size_t>(c)] = static_cast<float>(sum[c]);
    }
  }

  Picture scaled;
  scaled.width = width;
  scaled.height = height;
  scaled.pixels.resize(target_width * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const Span& span = rows[static_cast<std::size_t>(y)];
    for (std::size_t x = 0; x < target_width; ++x) {
      double sum[4] = {0, 0, 0, 0};
      for (std::size_t k = 0; k < span.weights.size(); ++k) {
        const float* in =
            &narrow[(static_cast<std::size_t>(span.first) + k) * target_width * 4 + x * 4];
        for (int c = 0; c < 4; ++c) sum[c] += span.weights[k] * in[c];
      }
      // Each colour stays at most its alpha: both are the same average.
      const auto alpha = static_cast<std::uint32_t>(std::clamp(std::lround(sum[3]), 0L, 255L));
      std::uint32_t pixel = alpha << 24;
      for (int c = 0; c < 3; ++c) {
        const auto value = static_cast<std::uint32_t>(
            std::clamp(std::lround(sum[c]), 0L, static_cast<long>(alpha)));
        pixel |= value << (8 * c);
      }
      scaled.pixels[static_cast<std::size_t>(y) * target_width + x] = pixel;
    }
  }
  return scaled;
}

}  // namespace taoci

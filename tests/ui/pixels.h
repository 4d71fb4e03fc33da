// Looking at drawn pixels: rows and columns that hold a colour, and small
// BMP files made in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace taoci::test {

struct PixelArea {
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows from the top
  int width = 0;
  int height = 0;

  std::uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// The rows (top to bottom) in which some pixel satisfies `ink`.
std::vector<int> RowsWith(const PixelArea& area, const std::function<bool(std::uint32_t)>& ink);
// Runs of consecutive rows: each run as its first and last row.
std::vector<std::pair<int, int>> Bands(const std::vector<int>& rows);
// The smallest rectangle holding every pixel that satisfies `ink`, as left,
// top, width, height; all 0 when none does.
struct InkBox {
  int left = 0, top = 0, width = 0, height = 0;
};
InkBox BoxOf(const PixelArea& area, const std::function<bool(std::uint32_t)>& ink);

// A 24-bit BMP file of one colour (0x00RRGGBB).
std::string SolidBmp(int width, int height, std::uint32_t colour);

}  // namespace taoci::test

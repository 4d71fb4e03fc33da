#include "tests/ui/pixels.h"

#include <algorithm>

namespace taoci::test {

std::vector<int> RowsWith(const PixelArea& area, const std::function<bool(std::uint32_t)>& ink) {
  std::vector<int> rows;
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      if (ink(area.at(x, y))) {
        rows.push_back(y);
        break;
      }
    }
  }
  return rows;
}

std::vector<std::pair<int, int>> Bands(const std::vector<int>& rows) {
  std::vector<std::pair<int, int>> bands;
  for (int row : rows) {
    if (!bands.empty() && bands.back().second + 1 == row) {
      bands.back().second = row;
    } else {
      bands.emplace_back(row, row);
    }
  }
  return bands;
}

InkBox BoxOf(const PixelArea& area, const std::function<bool(std::uint32_t)>& ink) {
  int left = area.width, top = area.height, right = -1, bottom = -1;
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      if (!ink(area.at(x, y))) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string SolidBmp(int width, int height, std::uint32_t colour) {
  const int row = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixel_bytes = static_cast<std::uint32_t>(row * height);
  std::string file = "BM";
  PutLe(file, 54 + pixel_bytes, 4);
  PutLe(file, 0, 4);
  PutLe(file, 54, 4);
  PutLe(file, 40, 4);
  PutLe(file, static_cast<std::uint32_t>(width), 4);
  PutLe(file, static_cast<std::uint32_t>(height), 4);
  PutLe(file, 1, 2);
  PutLe(file, 24, 2);
  PutLe(file, 0, 4);
  PutLe(file, pixel_bytes, 4);
  PutLe(file, 2835, 4);
  PutLe(file, 2835, 4);
  PutLe(file, 0, 4);
  PutLe(file, 0, 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      file.push_back(static_cast<char>(colour & 0xFF));
      file.push_back(static_cast<char>((colour >> 8) & 0xFF));
      file.push_back(static_cast<char>((colour >> 16) & 0xFF));
    }
    file.append(static_cast<std::size_t>(row - width * 3), '\0');
  }
  return file;
}

}  // namespace taoci::test

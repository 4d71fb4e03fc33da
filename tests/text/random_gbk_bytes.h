// Random byte strings built to trouble a character-aware search: lead bytes
// in runs of every length, second bytes that look like ASCII, and pieces of
// the markers the result pages are cut at.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <string_view>

namespace taoci::fixtures {

class RandomGbkBytes {
 public:
  explicit RandomGbkBytes(unsigned seed) : engine_(seed) {}

  std::string Text(std::size_t max_length) {
    const std::size_t length = Below(max_length + 1);
    std::string text;
    while (text.size() < length) AppendChunk(text);
    text.resize(length);
    return text;
  }

  // Often a piece of `text` itself, so that it is there to be found, at a
  // start or not; otherwise a fresh short string.
  std::string Sought(const std::string& text) {
    if (!text.empty() && Below(3) != 0) {
      const std::size_t at = Below(text.size());
      const std::size_t length = 1 + Below(Below(4) == 0 ? 40 : 5);
      return text.substr(at, length);
    }
    return Text(1 + Below(4));
  }

  std::size_t Below(std::size_t bound) {
    return bound == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, bound - 1)(engine_);
  }

 private:
  void AppendChunk(std::string& text) {
    static constexpr unsigned char kBytes[] = {0x81, 0xB0, 0xC4, 0xFC, 0xA3, 0xA1, 0xFF, 0x80,
                                               0x7F, 0x40, 0x41, 0x61, 0x3C, 0x22, 0x3E, 0x2C};
    static constexpr std::string_view kPieces[] = {"<div class=\"item-box st-itembox\">",
                                                   "<div class=\"item-box",
                                                   "<strong>",
                                                   "</strong>",
                                                   "<img data-ks-lazyload=\"",
                                                   "\""};
    switch (Below(8)) {
      case 0:  // a run of lead-range bytes, often longer than a machine word
        text.append(Below(40), static_cast<char>(0x80 + Below(0x80)));
        break;
      case 1:
        text.append(kPieces[Below(std::size(kPieces))]);
        break;
      case 2:  // any byte but zero, which a text cannot hold
        text.push_back(static_cast<char>(1 + Below(255)));
        break;
      default:
        text.push_back(static_cast<char>(kBytes[Below(std::size(kBytes))]));
        break;
    }
  }

  std::mt19937 engine_;
};

}  // namespace taoci::fixtures

// A Text list's elements as plain strings, for comparing in tests.
#pragma once

#include <string>
#include <vector>

#include "text/text_list.h"

namespace taoci {

inline std::vector<std::string> Pieces(const TextList& list) {
  std::vector<std::string> pieces;
  for (int k = 1; k <= list.Count(); ++k) pieces.emplace_back(list.Item(k).bytes());
  return pieces;
}

}  // namespace taoci

// Text list: the ordered, 1-based list of texts that SplitText returns.
// Elements may be empty; each is a text of its own, copied out of its source.
#pragma once

#include <vector>

#include "text/byte_text.h"

namespace taoci {

class TextList {
 public:
  int Count() const;
  // Element k, counted from 1. Every caller tests Count first; an index
  // outside 1..Count still gets a defined answer, the empty text.
  const ByteText& Item(int k) const;
  void Append(ByteText text);

 private:
  std::vector<ByteText> items_;
};

}  // namespace taoci

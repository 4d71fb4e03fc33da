#include "text/text_list.h"

#include <climits>
#include <utility>

namespace taoci {

int TextList::Count() const {
  return items_.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                           : static_cast<int>(items_.size());
}

const ByteText& TextList::Item(int k) const {
  static const ByteText kNoElement;
  if (k < 1 || k > Count()) return kNoElement;
  return items_[static_cast<std::size_t>(k) - 1];
}

void TextList::Append(ByteText text) { items_.push_back(std::move(text)); }

}  // namespace taoci

#include "log/band_list.h"

#include <algorithm>

namespace kvaro {

void BandList::AddIfNew(std::string_view label) {
  if (std::find(labels_.begin(), labels_.end(), label) == labels_.end()) {
    labels_.emplace_back(label);
  }
}

}  // namespace kvaro

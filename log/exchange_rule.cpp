#include "log/exchange_rule.h"

#include <algorithm>

namespace kvaro {

bool IsValidExchange(std::string_view exchange) {
  if (exchange.size() != 3 && exchange.size() != 4) return false;
  // Plain ASCII digits only; bytes with the high bit set are never digits.
  return std::all_of(exchange.begin(), exchange.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace kvaro

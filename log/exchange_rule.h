// The contest's one exchange field: a serial of three or four digits.
#pragma once

#include <string_view>

namespace kvaro {

bool IsValidExchange(std::string_view exchange);

}  // namespace kvaro

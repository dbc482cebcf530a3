#pragma once

#include <span>
#include <string_view>

namespace bks {

// The constant texts behind the two halves of the dictionary, in slot order.
std::span<const std::u16string_view> CompoundWordsA();
std::span<const std::u16string_view> CompoundWordsB();

}  // namespace bks

// Icon names as window definitions give them: "~NAME" names an icon resource
// of the program, anything else an icon file.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

inline constexpr char kResourcePrefix = '~';

bool IsResourceIconName(std::string_view name);
// "~Sch-ord.ico" -> "SCH-ORD_ICO": upper case, the dot of the extension as "_".
std::string IconResourceName(std::string_view name);

}  // namespace quillet

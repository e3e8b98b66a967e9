// The message "Check Registry" shows: the centred heading and value lines,
// and the name of the value's registry type as its caption.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "winapi/text_field.h"

namespace quillet {

// Width of the heading line and of the value line.
inline constexpr std::size_t kCheckLineWidth = 32;

// The fixed-width `text` with its core (first to last non-blank) centred in
// the same width; an odd surplus puts its extra blank on the left. All blanks
// stay all blanks; a core that fills the width stays where it is.
std::string CentreFixedText(std::string_view text);

template <std::size_t W>
void Centre(FixedText<W>& field) {
    field.Assign(CentreFixedText(field.View()));
}

// The type-name table: codes 0, 1, 2, 3, 4, 5, 7 and 11 have a name.
std::optional<std::string_view> RegistryTypeName(std::int32_t type_code);

// The caption for a value of `type_code`: its name, or empty for a code the
// table does not name (an earlier check's name would name the wrong type).
std::string_view CheckCaption(std::int32_t type_code);

// Heading line, joiner "||  ", value line: 68 characters, bars for breaks.
std::string CheckMessageText(std::string_view registry_text);

}  // namespace quillet

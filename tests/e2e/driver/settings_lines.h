// The lines of a settings file that belong to the user, compared the way the
// private-profile service keeps them.
//
// Every write through that service rewrites the whole file from its parsed
// copy: blank lines go, blanks around a line and around its first "=" go,
// and lines end in CR LF. Those changes are the service's, not the
// program's, so text lines are compared after the same normalisation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillet::e2e {

// The file's non-blank lines, split at CR LF, LF or a lone CR, with the
// blanks the service drops removed.
std::vector<std::string> NormalisedLines(std::string_view bytes);

// Every normalised line that is not the program's own, each prefixed with its
// section as "[Section] ". The program's own are: the keys Maximize, Minimize,
// XPos, YPos, Width and Height in any [Main] section, the section line of
// [Main], and the whole [__Dont_Touch_Me__] section. Section and key names
// compare without case, as the service compares them.
std::vector<std::string> ForeignLines(std::string_view bytes);

}  // namespace quillet::e2e

// Letter-case rules of the ANSI code page, reached through a seam so the rules run natively.
#pragma once

#include <string>
#include <string_view>

namespace setup {

using AnsiUpperFn = std::string (*)(std::string_view);

// The Windows program installs the system's rule at start-up; the default upper-cases ASCII.
void SetAnsiUpperCase(AnsiUpperFn fn);
std::string AnsiUpper(std::string_view text);

// Equal after upper-casing both by the ANSI code page's rules.
bool SameName(std::string_view a, std::string_view b);

}  // namespace setup

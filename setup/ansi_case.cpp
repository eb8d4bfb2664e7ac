// The upper-casing seam and name comparison.
#include "setup/ansi_case.h"

namespace setup {
namespace {

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

AnsiUpperFn g_upper = AsciiUpper;

}  // namespace

void SetAnsiUpperCase(AnsiUpperFn fn) { g_upper = fn ? fn : AsciiUpper; }

std::string AnsiUpper(std::string_view text) { return g_upper(text); }

bool SameName(std::string_view a, std::string_view b) { return AnsiUpper(a) == AnsiUpper(b); }

}  // namespace setup

// The keyed derivation that turns a set of selected pictures and a length class into a password.
#pragma once

#include <string>

#include "core/selection.h"

// A password of letters and digits whose length lies in the class's range. It depends only on
// the set of selected pictures and the class; the caller enforces the minimum selection.
std::string DerivePassword(const SelectionFlags& selection, int lengthClass);

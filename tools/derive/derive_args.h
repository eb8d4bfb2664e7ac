// Reading the command line of korvalith-derive: the length class and the selected pictures.
#pragma once

#include <string>
#include <vector>

#include "core/selection.h"

struct DeriveCommand {
    enum class Action { Derive, Help, Fail };
    Action action = Action::Fail;
    int lengthClass = kDefaultLengthClass;
    SelectionFlags selection{};
    std::string error;  // one line, naming the offending argument, when action is Fail
};

// Arguments without the program name.
DeriveCommand ParseDeriveArgs(const std::vector<std::string>& args);

extern const char* const kDeriveUsage;

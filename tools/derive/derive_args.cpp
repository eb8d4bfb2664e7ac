// Reading the command line of korvalith-derive: "--class N" and pictures by index or by
// "Category:row,column".
#include "tools/derive/derive_args.h"

#include <cctype>
#include <optional>
#include <string_view>

const char* const kDeriveUsage =
    "usage: korvalith-derive [--class 0|1|2|3] PICTURE...\n"
    "Prints the password of the selected pictures (at least 4, each once).\n"
    "PICTURE is a picture index 0..511 or Category:row,column with row and column 0..7,\n"
    "for example animals:0,3. Categories: Animals Calendar Cars Characters Countries Food\n"
    "Names Sports. Length classes: 0 = 8..10, 1 = 11..20, 2 = 21..32, 3 = 33..64 (default).\n";

namespace {

// A decimal number of at most a few digits, or nothing.
std::optional<int> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int FindCategory(std::string_view caption) {
    for (int c = 0; c < kCategoryCount; ++c) {
        if (EqualsIgnoringCase(caption, kCategoryCaptions[c])) {
            return c;
        }
    }
    return -1;
}

// The picture index an argument names, or an error text.
struct PictureArg {
    int index = -1;
    std::string error;
};

PictureArg ParsePicture(const std::string& arg) {
    const size_t colon = arg.find(':');
    if (colon == std::string::npos) {
        const std::optional<int> index = SmallNumber(arg);
        if (!index || *index >= kPictureCount) {
            return {-1, "picture index out of range 0..511: '" + arg + "'"};
        }
        return {*index, {}};
    }
    const int category = FindCategory(std::string_view(arg).substr(0, colon));
    if (category < 0) {
        return {-1, "unknown category in '" + arg + "'"};
    }
    const std::string_view cell = std::string_view(arg).substr(colon + 1);
    const size_t comma = cell.find(',');
    const std::optional<int> row =
        comma == std::string_view::npos ? std::nullopt : SmallNumber(cell.substr(0, comma));
    const std::optional<int> column =
        comma == std::string_view::npos ? std::nullopt : SmallNumber(cell.substr(comma + 1));
    if (!row || !column || *row >= kGridSize || *column >= kGridSize) {
        return {-1, "row and column must be 0..7 in '" + arg + "'"};
    }
    return {PictureIndex(category, *row, *column), {}};
}

DeriveCommand Failure(std::string message) {
    DeriveCommand command;
    command.action = DeriveCommand::Action::Fail;
    command.error = std::move(message);
    return command;
}

}  // namespace

DeriveCommand ParseDeriveArgs(const std::vector<std::string>& args) {
    DeriveCommand command;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            command.action = DeriveCommand::Action::Help;
            return command;
        }
        if (arg == "--class" || arg.starts_with("--class=")) {
            std::string value;
            if (arg == "--class") {
                if (i + 1 == args.size()) {
                    return Failure("missing length class after '--class'");
                }
                value = args[++i];
            } else {
                value = arg.substr(8);
            }
            const std::optional<int> lengthClass = SmallNumber(value);
            if (!lengthClass || *lengthClass >= static_cast<int>(kLengthClasses.size())) {
                return Failure("length class must be 0, 1, 2 or 3: '" + value + "'");
            }
            command.lengthClass = *lengthClass;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-' && !std::isdigit(static_cast<unsigned char>(arg[1]))) {
            return Failure("unknown option '" + arg + "'");
        }
        const PictureArg picture = ParsePicture(arg);
        if (!picture.error.empty()) {
            return Failure(picture.error);
        }
        if (command.selection[picture.index] != 0) {
            return Failure("picture " + std::to_string(picture.index) + " given twice: '" + arg +
                           "'");
        }
        command.selection[picture.index] = 1;
    }
    const int count = CountSelected(command.selection);
    if (count < kMinimumSelection) {
        return Failure("at least 4 different pictures are needed, " + std::to_string(count) +
                       " given");
    }
    command.action = DeriveCommand::Action::Derive;
    return command;
}

// Joining names to folders and finding parent folders.
#include "setup/path_rules.h"

namespace setup {

std::string WithBackslash(std::string_view folder) {
    std::string out(folder);
    if (out.empty()) {
        return out;
    }
    if (out.back() == '/' || out.back() == '\\') {
        out.back() = '\\';
    } else {
        out.push_back('\\');
    }
    return out;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    return WithBackslash(folder) + std::string(name);
}

std::string FolderOfPath(std::string_view path) {
    const size_t cut = path.find_last_of("\\:");
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::string ParentFolder(std::string_view folder) {
    if (!folder.empty() && folder.back() == '\\') {
        folder.remove_suffix(1);
    }
    return FolderOfPath(folder);
}

}  // namespace setup

namespace setup {

std::string TempPrefixOf(std::string_view title) {
    std::string prefix = "~";
    for (char c : title) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            prefix.push_back(c);
        }
    }
    return prefix;
}

}  // namespace setup

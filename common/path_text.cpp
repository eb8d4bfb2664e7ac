// Path text rules without any system call.
#include "common/path_text.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

void AddBackslash(std::string& path) {
    if (path.empty()) {
        return;
    }
    if (IsSeparator(path.back())) {
        path.back() = '\\';
    } else {
        path += '\\';
    }
}

std::string DrivePart(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') {
        return std::string(path.substr(0, 2));
    }
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // "\\server\share": up to the separator after the share name.
        const size_t server = path.find_first_of("\\/", 2);
        if (server == std::string_view::npos || server == 2) {
            return {};
        }
        const size_t share = path.find_first_of("\\/", server + 1);
        if (share == server + 1) {
            return {};
        }
        return std::string(path.substr(0, share));
    }
    return {};
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
    const size_t dot = path.find_last_of(".\\/:");
    const size_t stem = dot != std::string_view::npos && path[dot] == '.' ? dot : path.size();
    std::string result(path.substr(0, stem));
    result += extension;
    return result;
}

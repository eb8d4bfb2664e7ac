// The self-delete batch file's text.
#include "shell/self_delete_script.h"

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}

std::string BatchQuoted(std::string_view path) {
    std::string quoted = "\"";
    for (char c : path) {
        quoted += c;
        if (c == '%') quoted += '%';
    }
    quoted += '"';
    return quoted;
}

std::string SelfDeleteScript(std::string_view programPath, std::string_view programFolder,
                             const std::vector<std::string>& foldersAbove,
                             std::string_view scriptPath) {
    const std::string program = BatchQuoted(programPath);
    std::vector<std::string> lines = {"@echo off", ":1", "del " + program,
                                      "if exist " + program + " goto 1",
                                      "rmdir " + BatchQuoted(programFolder)};
    for (const std::string& folder : foldersAbove) lines.push_back("rmdir " + BatchQuoted(folder));
    lines.push_back("del " + BatchQuoted(scriptPath));
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

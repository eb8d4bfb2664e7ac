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
                             std::string_view scriptPath) {
    const std::string program = BatchQuoted(programPath);
    std::string text;
    for (const std::string& line :
         {std::string("@echo off"), std::string(":1"), "del " + program,
          "if exist " + program + " goto 1", "rmdir " + BatchQuoted(programFolder),
          "del " + BatchQuoted(scriptPath)}) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

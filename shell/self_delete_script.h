// The text of the batch file that deletes the program file and its folder once the program
// has ended, and then itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A path as it must stand between double quotes in a batch file so that the command
// interpreter reads it unchanged: "%" is doubled, because batch files expand variables even
// inside quotes. "&", "|", "<", ">", "^", "(" and ")" are literal between quotes, and "!" is
// literal as long as delayed expansion is off, which is the interpreter's default.
std::string BatchQuoted(std::string_view path);

// Lines ending with CR LF: "@echo off", the label, the delete of the program file, the loop
// back while it still exists, the removal of the folder, the removal of each of foldersAbove
// (the emptied folders that held it, innermost first) and the script's own delete.
// programFolder keeps its trailing backslash.
std::string SelfDeleteScript(std::string_view programPath, std::string_view programFolder,
                             const std::vector<std::string>& foldersAbove,
                             std::string_view scriptPath);

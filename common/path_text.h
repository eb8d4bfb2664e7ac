// Path text rules without any system call: trailing backslash, drive part, extension.
#pragma once

#include <string>
#include <string_view>

// In place: an empty path stays empty, a last "/" or "\" becomes "\", otherwise "\" is appended.
void AddBackslash(std::string& path);

// The drive part of a full path: "C:" for "C:\dir\file", "\\server\share" for
// "\\server\share\dir\file"; empty when the path has neither.
std::string DrivePart(std::string_view path);

// The path with the extension of its last name replaced (or added): ("a\b.exe", ".ini") ->
// "a\b.ini".
std::string ChangeFileExt(std::string_view path, std::string_view extension);

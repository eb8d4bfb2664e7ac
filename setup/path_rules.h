// Path composition rules of the setup program that need no file system.
#pragma once

#include <string>
#include <string_view>

namespace setup {

// The folder with a final "\" (a final "/" becomes "\"; an empty folder stays empty).
std::string WithBackslash(std::string_view folder);

// The folder with a final backslash, then the name; an empty folder gives the bare name.
std::string JoinPath(std::string_view folder, std::string_view name);

// The folder part of a path up to and including its last "\" or ":"; empty when it has none.
std::string FolderOfPath(std::string_view path);

// The parent of a folder: one trailing "\" dropped, then cut after the last "\" or ":".
std::string ParentFolder(std::string_view folder);

}  // namespace setup

namespace setup {

// The prefix of the setup's temporary file names: "~" and the ASCII letters of the title.
std::string TempPrefixOf(std::string_view title);

}  // namespace setup

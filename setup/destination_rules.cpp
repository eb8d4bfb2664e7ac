// Default and proposed destination folders, and the program's command lines.
#include "setup/destination_rules.h"

#include "setup/ansi_case.h"
#include "setup/path_rules.h"

namespace setup {

std::string DefaultDestination(const std::optional<std::string>& mainDir,
                               const std::optional<std::string>& programFilesDir) {
    if (mainDir) {
        return *mainDir;
    }
    return WithBackslash(programFilesDir.value_or("")) + kProductFolder;
}

std::string ProposedDestination(const std::string& chosen) {
    const size_t cut = chosen.find_last_of("\\/:");
    const bool rootLike = cut != std::string::npos && cut + 1 == chosen.size();
    const bool programFiles = chosen.size() > 3 && SameName(chosen.substr(3), "Program Files");
    if (!rootLike && !programFiles) {
        return chosen;
    }
    std::string out = chosen;
    if (out.empty() || (out.back() != '/' && out.back() != '\\')) {
        out.push_back('\\');
    }
    return out + kProductFolder;
}

std::string ProgramCommandLine(const std::string& destDir, const char* option) {
    return "\"" + JoinPath(destDir, kProgramFileName) + "\" " + option;
}

}  // namespace setup

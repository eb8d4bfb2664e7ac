// The reader of the archive appended to the setup executable: directory, copy lists, extraction.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "setup/archive_format.h"
#include "setup/file_stream.h"
#include "setup/install_rules.h"

namespace setup {

// One pending copy; Entry points into TAttachedFiles::Files.
struct TFileToInstall {
    const TAttachedFile* Entry = nullptr;
    std::string DestPath;
    bool Logged = false;
};

// Set when the archive is damaged: no window opens and the program ends.
extern bool SetupCorrupt;

inline constexpr char kCorruptText[] =
    "This setup file is corrupt. If you downloaded it from the Web, please redownload it.";
inline constexpr char kCannotCreateText[] =
    "Cannot create file \"%s\".\rAnother application might already be using this file.";

class TAttachedFiles {
  public:
    // Opens the running program's own file.
    TAttachedFiles();
    // Opens the given setup file (tests read archives that are not their own executable).
    explicit TAttachedFiles(const std::string& setupPath);
    TAttachedFiles(const TAttachedFiles&) = delete;
    TAttachedFiles& operator=(const TAttachedFiles&) = delete;
    ~TAttachedFiles();

    // True when copied, or skipped by the user's Ignore; false when the user chose Abort.
    bool ExtractFile(const TAttachedFile* entry, const std::string& name,
                     const std::string& destPath);
    bool QueueFiles(const std::string& pattern, const std::string& destFolder, int listIndex,
                    int condition);
    void ClearCopyList(int listIndex);

    std::unique_ptr<TFileStream> Source;
    std::vector<TAttachedFile> Files;
    // Absent when the archive is damaged.
    std::optional<std::array<std::vector<TFileToInstall>, 2>> CopyLists;

  private:
    void Open(const std::string& setupPath);
    bool ExtractOnce(const TAttachedFile* entry, const std::string& destPath);
};

}  // namespace setup

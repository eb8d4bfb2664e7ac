// Which archive members to queue for copying, and the retry rule of one extraction.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "setup/archive_format.h"

namespace setup {

enum TInstallCondition : int {
    icIfMissing = 0,
    icIfOlder = 1,
    icIfDateDiffers = 2,
    icIfExists = 3,
    icAlways = 4,
};

// targetDate is the existing target file's date, or nothing when no such file exists. Any
// condition above 4 behaves like icIfMissing.
bool ShouldInstall(int condition, std::optional<double> targetDate, double entryDate);

// Walks the members for a pattern: a pattern ending in "\" checks every member whose name
// starts with it (true when any check queued); any other pattern checks the first member of
// that name only. Names compare by SameName.
bool ForEachMatch(const std::vector<TAttachedFile>& files, std::string_view pattern,
                  const std::function<bool(const TAttachedFile&)>& check);

// The last member of that name in directory order, or none.
const TAttachedFile* FindMember(const std::vector<TAttachedFile>& files, std::string_view name);

enum class TRetryAnswer { Abort, Retry, Ignore };

// Silent retry window of an extraction before the user is asked.
constexpr uint32_t kSilentRetryMs = 1000;

// Runs attempts until one succeeds: at once again while less than kSilentRetryMs have passed
// since the first, then after asking. True when one succeeded or the user chose Ignore.
bool RunAttempts(const std::function<bool()>& attempt, const std::function<uint32_t()>& tickMs,
                 const std::function<TRetryAnswer()>& ask);

}  // namespace setup

// Install conditions, member lookup and the silent-then-ask retry loop.
#include "setup/install_rules.h"

#include "setup/ansi_case.h"

namespace setup {

bool ShouldInstall(int condition, std::optional<double> targetDate, double entryDate) {
    const bool exists = targetDate.has_value();
    switch (condition) {
        case icIfOlder:
            return !exists || *targetDate < entryDate;
        case icIfDateDiffers:
            return !exists || *targetDate != entryDate;
        case icIfExists:
            return exists;
        case icAlways:
            return true;
        default:
            return !exists;
    }
}

bool ForEachMatch(const std::vector<TAttachedFile>& files, std::string_view pattern,
                  const std::function<bool(const TAttachedFile&)>& check) {
    if (!pattern.empty() && pattern.back() == '\\') {
        bool any = false;
        for (const TAttachedFile& f : files) {
            if (SameName(std::string_view(f.Name).substr(0, pattern.size()), pattern)) {
                any = check(f) || any;
            }
        }
        return any;
    }
    for (const TAttachedFile& f : files) {
        if (SameName(f.Name, pattern)) {
            return check(f);
        }
    }
    return false;
}

const TAttachedFile* FindMember(const std::vector<TAttachedFile>& files, std::string_view name) {
    for (auto it = files.rbegin(); it != files.rend(); ++it) {
        if (SameName(it->Name, name)) {
            return &*it;
        }
    }
    return nullptr;
}

bool RunAttempts(const std::function<bool()>& attempt, const std::function<uint32_t()>& tickMs,
                 const std::function<TRetryAnswer()>& ask) {
    const uint32_t start = tickMs();
    for (;;) {
        if (attempt()) {
            return true;
        }
        if (tickMs() - start < kSilentRetryMs) {
            continue;
        }
        switch (ask()) {
            case TRetryAnswer::Abort:
                return false;
            case TRetryAnswer::Ignore:
                return true;
            case TRetryAnswer::Retry:
                break;
        }
    }
}

}  // namespace setup

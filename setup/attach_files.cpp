// Opening the setup file, queueing members under install conditions and extracting them.
#include "setup/attach_files.h"

#include <windows.h>

#include "setup/archive_reading.h"
#include "setup/inst_utils.h"
#include "setup/zstream.h"
#include "ui/message_seam.h"

namespace setup {

bool SetupCorrupt = false;

namespace {

std::string OwnFilePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

TRetryAnswer AskCannotCreate(const std::string& destPath) {
    std::string text = kCannotCreateText;
    text.replace(text.find("%s"), 2, destPath);
    // Closing the box counts as Retry.
    const ui::MessageButton answer =
        ui::AskUser(ui::MessageKind::Error, text,
                    ui::MessageButton::Abort | ui::MessageButton::Retry | ui::MessageButton::Ignore,
                    ui::MessageButton::Retry, ui::MessageButton::Retry);
    switch (answer) {
        case ui::MessageButton::Abort:
            return TRetryAnswer::Abort;
        case ui::MessageButton::Ignore:
            return TRetryAnswer::Ignore;
        default:
            return TRetryAnswer::Retry;
    }
}

}  // namespace

TAttachedFiles::TAttachedFiles() { Open(OwnFilePath()); }

TAttachedFiles::TAttachedFiles(const std::string& setupPath) { Open(setupPath); }

void TAttachedFiles::Open(const std::string& setupPath) {
    Source = std::make_unique<TFileStream>(setupPath, GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    DirectoryRead read = ReadArchiveDirectory(*Source);
    if (read.Outcome != DirectoryOutcome::Ok) {
        // A directory that fails its checks is as unusable as a bad trailer.
        ui::AskUser(ui::MessageKind::Error, kCorruptText,
                    static_cast<unsigned>(ui::MessageButton::Ok));
        SetupCorrupt = true;
        return;
    }
    Files = std::move(read.Files);
    CopyLists.emplace();
}

TAttachedFiles::~TAttachedFiles() {
    CopyLists.reset();
    Source.reset();
    Files.clear();
    DeleteTempFiles();
}

bool TAttachedFiles::ExtractOnce(const TAttachedFile* entry, const std::string& destPath) {
    if (!entry || !Source || !Source->IsOpen()) {
        return false;
    }
    Source->SetPosition(entry->Offset);
    TZDecompressionStream member(*Source);
    member.Limit = static_cast<int32_t>(entry->PackedSize);
    ForceDirsLogged(FolderOfPath(destPath));
    {
        TFileStream dest(destPath, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (!dest.IsOpen() || !PumpMember(member, dest)) {
            return false;  // a partial file stays, unlogged
        }
    }
    SetFileDateFromDayCount(destPath, entry->Date);
    LogAction(std::string(kFileCopyPrefix) + destPath);
    return true;
}

bool TAttachedFiles::ExtractFile(const TAttachedFile* entry, const std::string& name,
                                 const std::string& destPath) {
    if (!entry) {
        entry = FindMember(Files, name);
    }
    return RunAttempts([&] { return ExtractOnce(entry, destPath); },
                       [] { return static_cast<uint32_t>(GetTickCount()); },
                       [&] { return AskCannotCreate(destPath); });
}

bool TAttachedFiles::QueueFiles(const std::string& pattern, const std::string& destFolder,
                                int listIndex, int condition) {
    if (!CopyLists || listIndex < 0 || listIndex > 1) {
        return false;
    }
    auto& list = (*CopyLists)[static_cast<size_t>(listIndex)];
    return ForEachMatch(Files, pattern, [&](const TAttachedFile& f) {
        std::string target = JoinPath(destFolder, f.Name);
        std::optional<double> date;
        if (FileExists(target)) {
            date = GetFileDate(target, true);
        }
        if (!ShouldInstall(condition, date, f.Date)) {
            return false;
        }
        list.push_back({&f, std::move(target), LogSuspend == 0});
        return true;
    });
}

void TAttachedFiles::ClearCopyList(int listIndex) {
    if (CopyLists && listIndex >= 0 && listIndex <= 1) {
        (*CopyLists)[static_cast<size_t>(listIndex)].clear();
    }
}

}  // namespace setup

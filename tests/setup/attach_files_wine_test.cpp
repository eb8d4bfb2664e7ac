// The archive reader and the file operations on a real (Wine) file system.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "setup/attach_files.h"
#include "setup/day_date.h"
#include "setup/inst_utils.h"
#include "tests/setup/archive_builder.h"
#include "ui/message_seam.h"

namespace {

using setup::InstallLog;
using setup_test::Bytes;

const double kShippedDate = setup::DayCountFromCivil({2012, 2, 26, 11, 54, 48});
const double kOldDate = setup::DayCountFromCivil({1975, 6, 1, 12, 0, 0});

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A setup file in the temporary folder and a fresh destination folder, with a log.
class ArchiveOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        setup::InitInstUtils();
        setup::ResetInstallLogState();
        InstallLog.emplace();
        const std::string temp = GetTempDir();
        file = temp + "archive-test.exe";
        dest = temp + "dest-" + std::to_string(GetCurrentProcessId()) + "\\";
        setup::DeleteTree(dest);
    }
    void TearDown() override {
        setup::DeleteTree(dest);
        DeleteFileA(file.c_str());
        setup::ResetInstallLogState();
        setup::SetupCorrupt = false;
    }
    void Write(const setup_test::ArchiveParts& parts) { WriteBytes(file, parts.Assemble()); }

    std::string file, dest;
};

TEST_F(ArchiveOnDisk, QueuedMembersAreCopiedWithTheirDatesAndLogged) {
    const Bytes program = setup_test::Noise(50000, 1);
    Write(setup_test::BuildArchive({{"Korvalith.exe", program, kShippedDate},
                                    {"sub\\old.txt", setup_test::BytesOf("old"), kOldDate},
                                    {"Korvalith.chm", setup_test::Noise(3000, 2), kShippedDate}}));
    setup::TAttachedFiles archive(file);
    ASSERT_FALSE(setup::SetupCorrupt);
    ASSERT_EQ(archive.Files.size(), 3u);

    EXPECT_FALSE(archive.QueueFiles("Korvalith.exe", dest, 0, setup::icIfExists));
    ASSERT_TRUE(archive.QueueFiles("KORVALITH.EXE", dest, 0, setup::icIfDateDiffers));
    ASSERT_EQ(archive.CopyLists->at(0).size(), 1u);
    const setup::TFileToInstall& item = archive.CopyLists->at(0)[0];
    EXPECT_TRUE(item.Logged);
    ASSERT_TRUE(archive.ExtractFile(item.Entry, "", item.DestPath));
    EXPECT_EQ(ReadBytes(dest + "Korvalith.exe"), program);
    EXPECT_EQ(setup::GetFileDate(dest + "Korvalith.exe"), kShippedDate);

    // The same date at the target: nothing more to copy.
    archive.ClearCopyList(0);
    EXPECT_FALSE(archive.QueueFiles("Korvalith.exe", dest, 0, setup::icIfDateDiffers));
    EXPECT_TRUE(archive.QueueFiles("Korvalith.exe", dest, 0, setup::icIfOlder) == false);
    EXPECT_TRUE(archive.QueueFiles("Korvalith.exe", dest, 0, setup::icAlways));

    // A date before 1980 leaves the time of writing.
    ASSERT_TRUE(archive.ExtractFile(nullptr, "SUB\\OLD.TXT", dest + "sub\\old.txt"));
    EXPECT_LT(std::fabs(setup::GetFileDate(dest + "sub\\old.txt") -
                        setup::GetFileDate(dest + "no-such-file")),
              1.0 / 24);

    EXPECT_EQ(InstallLog->Lines(),
              (std::vector<std::string>{"Made Dir: " + dest, "File Copy: " + dest + "Korvalith.exe",
                                        "Made Dir: " + dest + "sub\\",
                                        "File Copy: " + dest + "sub\\old.txt"}));
}

TEST_F(ArchiveOnDisk, AMemberThatDoesNotInflateReachesTheQuestionAndIsNotLogged) {
    setup_test::ArchiveParts parts =
        setup_test::BuildArchive({{"Korvalith.exe", setup_test::Noise(20000, 3), kShippedDate}});
    parts.packedMembers[0][parts.packedMembers[0].size() / 2] ^= 0xFF;
    parts.packedMembers[0].back() ^= 0xFF;
    Write(parts);
    setup::TAttachedFiles archive(file);
    ASSERT_EQ(archive.Files.size(), 1u);

    ui::PresetMessageSeam seam({ui::MessageButton::Retry, ui::MessageButton::Ignore});
    ui::ScopedMessageSeam installed(&seam);
    const DWORD start = GetTickCount();
    EXPECT_TRUE(archive.ExtractFile(nullptr, "Korvalith.exe", dest + "Korvalith.exe"));
    EXPECT_GE(GetTickCount() - start, setup::kSilentRetryMs);
    ASSERT_EQ(seam.asked.size(), 2u);
    EXPECT_EQ(seam.asked[0].text, "Cannot create file \"" + dest +
                                      "Korvalith.exe\".\rAnother application might already be "
                                      "using this file.");
    EXPECT_EQ(seam.asked[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(seam.asked[0].default_button, ui::MessageButton::Retry);
    EXPECT_EQ(InstallLog->Lines(), std::vector<std::string>{"Made Dir: " + dest});

    ui::PresetMessageSeam abort({ui::MessageButton::Abort});
    ui::ScopedMessageSeam installedAbort(&abort);
    EXPECT_FALSE(archive.ExtractFile(nullptr, "no-such-member", dest + "x"));
}

TEST_F(ArchiveOnDisk, ADamagedArchiveShowsTheCorruptMessageOnly) {
    struct Case {
        const char* what;
        void (*damage)(setup_test::ArchiveParts&);
    };
    const Case cases[] = {
        {"trailer", [](setup_test::ArchiveParts& p) { p.trailerB ^= 1; }},
        {"directory",
         [](setup_test::ArchiveParts& p) { p.directory[p.directory.size() / 2] ^= 0x10; }},
        {"name",
         [](setup_test::ArchiveParts& p) {
             p.records[0].Name = "..\\..\\escape.exe";
             p.RepackDirectory();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setup_test::ArchiveParts parts =
            setup_test::BuildArchive({{"Korvalith.exe", setup_test::Noise(2000, 4), kShippedDate}});
        c.damage(parts);
        Write(parts);
        setup::SetupCorrupt = false;
        ui::PresetMessageSeam seam;
        ui::ScopedMessageSeam installed(&seam);
        setup::TAttachedFiles archive(file);
        EXPECT_TRUE(setup::SetupCorrupt);
        EXPECT_TRUE(archive.Files.empty());
        EXPECT_FALSE(archive.CopyLists);
        EXPECT_FALSE(archive.QueueFiles("Korvalith.exe", dest, 0, setup::icAlways));
        ASSERT_EQ(seam.asked.size(), 1u);
        EXPECT_EQ(seam.asked[0].text,
                  "This setup file is corrupt. If you downloaded it from the Web, please "
                  "redownload it.");
        EXPECT_EQ(seam.asked[0].buttons, static_cast<unsigned>(ui::MessageButton::Ok));
    }
}

TEST(TempFiles, NamesSkipTakenOnesAndCleanUpKeepsOtherLetterCases) {
    setup::InitInstUtils();
    const std::string temp = GetTempDir();
    const std::string first = setup::MakeTempFileName();
    EXPECT_EQ(first, temp + "~KorvalithSetup0.tmp");
    WriteBytes(first, setup_test::BytesOf("x"));
    EXPECT_EQ(setup::MakeTempFileName(), temp + "~KorvalithSetup1.tmp");

    const std::string folder = temp + "~KorvalithSetupFolder\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteBytes(folder + "inner.txt", setup_test::BytesOf("y"));
    const std::string other = temp + "~korvalithsetup-other.tmp";
    WriteBytes(other, setup_test::BytesOf("z"));
    setup::DeleteTempFiles();
    EXPECT_FALSE(setup::FileExists(first));
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(setup::FileExists(other));
    DeleteFileA(other.c_str());
}

TEST(LoggedFolders, ParentsFirstEachOnceAndShortcutLogged) {
    setup::InitInstUtils();
    setup::ResetInstallLogState();
    InstallLog.emplace();
    const std::string base = GetTempDir() + "forced-" + std::to_string(GetCurrentProcessId());
    setup::ForceDirsLogged(base + "\\X\\Y\\");
    setup::ForceDirsLogged(base + "\\X\\Y\\");
    EXPECT_EQ(InstallLog->Lines(),
              (std::vector<std::string>{"Made Dir: " + base + "\\", "Made Dir: " + base + "\\X\\",
                                        "Made Dir: " + base + "\\X\\Y\\"}));
    CoInitialize(nullptr);
    const std::string link = base + "\\links\\Korvalith.lnk";
    setup::CreateShortcut(link, base + "\\Korvalith.exe", "", base, "", 0);
    CoUninitialize();
    EXPECT_TRUE(setup::FileExists(link));
    EXPECT_EQ(InstallLog->Lines().back(), "File Copy: " + link);
    setup::DeleteTree(base);
    setup::ResetInstallLogState();
}

}  // namespace

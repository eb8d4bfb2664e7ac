// Damaged archives: every broken trailer, directory or member is refused without harm.
#include <gtest/gtest.h>

#include <functional>

#include "setup/archive_reading.h"
#include "tests/setup/archive_builder.h"

namespace {

using setup::DirectoryOutcome;
using setup_test::ArchiveParts;
using setup_test::Bytes;

ArchiveParts ThreeMembers() {
    return setup_test::BuildArchive({{"Korvalith.exe", setup_test::Noise(9000, 1)},
                                     {"License.txt", setup_test::BytesOf("terms")},
                                     {"Korvalith.chm", setup_test::Noise(4000, 2)}});
}

struct DamageCase {
    const char* what;
    std::function<Bytes()> make;
    DirectoryOutcome expected;
};

Bytes Mutated(const std::function<void(ArchiveParts&)>& change) {
    ArchiveParts p = ThreeMembers();
    change(p);
    return p.Assemble();
}

Bytes Redirected(const std::function<void(ArchiveParts&)>& change) {
    return Mutated([&](ArchiveParts& p) {
        change(p);
        p.RepackDirectory();
    });
}

const DamageCase kCases[] = {
    {"intact", [] { return ThreeMembers().Assemble(); }, DirectoryOutcome::Ok},
    {"trailer values differ", [] { return Mutated([](ArchiveParts& p) { p.trailerB += 1; }); },
     DirectoryOutcome::BadTrailer},
    {"file shorter than a trailer",
     [] {
         return Bytes{1, 2, 3};
     },
     DirectoryOutcome::BadTrailer},
    {"empty file", [] { return Bytes{}; }, DirectoryOutcome::BadTrailer},
    {"directory offset past the end",
     [] { return Mutated([](ArchiveParts& p) { p.trailerA = p.trailerB = 0x7FFFFFF0; }); },
     DirectoryOutcome::BadDirectory},
    {"directory offset at the trailer",
     [] {
         return Mutated([](ArchiveParts& p) {
             p.directory.clear();
             p.trailerA = p.trailerB = static_cast<uint32_t>(p.Assemble().size() - 8);
         });
     },
     DirectoryOutcome::BadDirectory},
    {"directory offset pointing into a member",
     [] { return Mutated([](ArchiveParts& p) { p.trailerA = p.trailerB = p.records[1].Offset; }); },
     DirectoryOutcome::BadDirectory},
    {"directory not a zlib stream",
     [] { return Mutated([](ArchiveParts& p) { p.directory = setup_test::Noise(60, 3); }); },
     DirectoryOutcome::BadDirectory},
    {"directory stream cut short",
     [] { return Mutated([](ArchiveParts& p) { p.directory.resize(p.directory.size() / 2); }); },
     DirectoryOutcome::BadDirectory},
    {"directory checksum wrong",
     [] { return Mutated([](ArchiveParts& p) { p.directory.back() ^= 0x55; }); },
     DirectoryOutcome::BadDirectory},
    {"last record incomplete",
     [] {
         return Mutated([](ArchiveParts& p) {
             Bytes raw = setup::EncodeRecords(p.records);
             raw.pop_back();
             p.directory = setup_test::Deflate(raw);
         });
     },
     DirectoryOutcome::BadDirectory},
    {"name length beyond the content",
     [] {
         return Mutated([](ArchiveParts& p) {
             Bytes raw = setup::EncodeRecords(p.records);
             raw[0] = 250;
             p.directory = setup_test::Deflate(raw);
         });
     },
     DirectoryOutcome::BadDirectory},
    {"no sentinel", [] { return Redirected([](ArchiveParts& p) { p.records.pop_back(); }); },
     DirectoryOutcome::BadDirectory},
    {"sentinel with another offset",
     [] { return Redirected([](ArchiveParts& p) { p.records.back().Offset -= 1; }); },
     DirectoryOutcome::BadDirectory},
    {"empty directory content",
     [] { return Redirected([](ArchiveParts& p) { p.records.clear(); }); },
     DirectoryOutcome::BadDirectory},
    {"records after the sentinel",
     [] {
         return Redirected([](ArchiveParts& p) {
             p.records.push_back(p.records.back());
             p.records.back().Offset += 1;
         });
     },
     DirectoryOutcome::BadDirectory},
    {"offsets descending",
     [] { return Redirected([](ArchiveParts& p) { std::swap(p.records[0], p.records[1]); }); },
     DirectoryOutcome::BadDirectory},
    {"two members at one offset",
     [] { return Redirected([](ArchiveParts& p) { p.records[1].Offset = p.records[0].Offset; }); },
     DirectoryOutcome::BadDirectory},
    {"member beyond the directory",
     [] {
         return Redirected([](ArchiveParts& p) { p.records[2].Offset = p.records[3].Offset + 10; });
     },
     DirectoryOutcome::BadDirectory},
    {"empty name before the sentinel",
     [] { return Redirected([](ArchiveParts& p) { p.records[1].Name.clear(); }); },
     DirectoryOutcome::BadDirectory},
    {"only the sentinel",
     [] {
         return Mutated([](ArchiveParts& p) {
             p.packedMembers.clear();
             p.records = {setup::SentinelRecord(static_cast<uint32_t>(p.image.size()))};
             p.RepackDirectory();
             p.trailerA = p.trailerB = static_cast<uint32_t>(p.image.size());
         });
     },
     DirectoryOutcome::Ok},
};

TEST(DamagedArchive, EachDamageIsRecognised) {
    for (const DamageCase& c : kCases) {
        SCOPED_TRACE(c.what);
        setup::TMemoryStream source(c.make());
        const setup::DirectoryRead read = setup::ReadArchiveDirectory(source);
        EXPECT_EQ(read.Outcome, c.expected);
        if (c.expected != DirectoryOutcome::Ok) {
            EXPECT_TRUE(read.Files.empty());
        }
    }
}

struct NameCase {
    const char* name;
    bool safe;
};

constexpr NameCase kNames[] = {
    {"Korvalith.exe", true},
    {"help\\Korvalith.chm", true},
    {"a b\\c.d", true},
    {"..\\evil.exe", false},
    {"sub\\..\\..\\x", false},
    {"sub\\..", false},
    {"C:\\x.exe", false},
    {"C:x.exe", false},
    {"\\windows\\x.exe", false},
    {"/etc/passwd", false},
    {"../x", false},
    {"sub/../../x", false},
    {"x.exe:stream", false},
    {"sub\\\\x", false},
    {"sub\\", false},
    {".", false},
    {". .\\x", false},
    {"...\\x", false},
    {"", false},
    {"bad\x01name", false},
    {"\\\\server\\share\\x", false},
};

TEST(DamagedArchive, MemberNamesThatLeaveTheDestinationAreRefused) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(setup::IsSafeMemberName(c.name), c.safe);
    }
    ArchiveParts p = ThreeMembers();
    p.records[1].Name = "..\\..\\Windows\\evil.dll";
    p.RepackDirectory();
    setup::TMemoryStream source(p.Assemble());
    EXPECT_EQ(setup::ReadArchiveDirectory(source).Outcome, DirectoryOutcome::BadDirectory);
}

struct MemberDamage {
    const char* what;
    std::function<void(Bytes&)> damage;
};

const MemberDamage kMemberDamage[] = {
    {"garbage", [](Bytes& m) { m = setup_test::Noise(m.size(), 11); }},
    {"cut short", [](Bytes& m) { m.resize(m.size() / 2); }},
    {"checksum wrong", [](Bytes& m) { m.back() ^= 1; }},
    {"header wrong", [](Bytes& m) { m[0] = 0; }},
    {"stored block lies about its length",
     [](Bytes& m) { m = {0x78, 0x01, 0x01, 0xFF, 0x7F, 0x00, 0x80, 'a', 'b'}; }},
};

TEST(DamagedArchive, AMemberThatDoesNotInflateFailsWithoutSpinning) {
    for (const MemberDamage& c : kMemberDamage) {
        SCOPED_TRACE(c.what);
        ArchiveParts p = ThreeMembers();
        c.damage(p.packedMembers[0]);
        uint32_t offset = static_cast<uint32_t>(p.image.size());
        for (size_t i = 0; i < p.packedMembers.size(); ++i) {
            p.records[i].Offset = offset;
            offset += static_cast<uint32_t>(p.packedMembers[i].size());
        }
        p.records.back().Offset = offset;
        p.trailerA = p.trailerB = offset;
        p.RepackDirectory();
        setup::TMemoryStream source(p.Assemble());
        const setup::DirectoryRead read = setup::ReadArchiveDirectory(source);
        ASSERT_EQ(read.Outcome, DirectoryOutcome::Ok);
        source.SetPosition(read.Files[0].Offset);
        setup::TZDecompressionStream z(source);
        z.Limit = static_cast<int32_t>(read.Files[0].PackedSize);
        setup::TMemoryStream out;
        EXPECT_FALSE(setup::PumpMember(z, out));
        uint8_t b;
        EXPECT_EQ(z.Read(&b, 1), 0);
    }
}

}  // namespace

// The packer and the reader together: layout, member bytes, stream limits and seeking.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "setup/archive_reading.h"
#include "setup/day_date.h"
#include "setup/zstream.h"
#include "tests/setup/archive_builder.h"

namespace {

using setup::DirectoryOutcome;
using setup::TMemoryStream;
using setup::TZDecompressionStream;
using setup_test::Bytes;

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Inflate(TMemoryStream& source, const setup::TAttachedFile& entry) {
    source.SetPosition(entry.Offset);
    TZDecompressionStream z(source);
    z.Limit = static_cast<int32_t>(entry.PackedSize);
    TMemoryStream out;
    EXPECT_TRUE(setup::PumpMember(z, out));
    return out.Bytes();
}

// Runs the real packer over three files and reads its output back.
class PackerRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("korvalith-pack-test-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        program = setup_test::Noise(300000, 1);
        license = setup_test::BytesOf("License text\r\nsecond line\r\n");
        help = setup_test::Noise(70000, 2);
        WriteFile(dir / "image.exe", setup_test::Noise(4096, 3));
        WriteFile(dir / "Korvalith.exe", program);
        WriteFile(dir / "License.txt", license);
        WriteFile(dir / "Korvalith.chm", help);
        const std::string cmd = std::string(KORVALITH_PACK_PATH) + " " +
                                (dir / "out.exe").string() + " " + (dir / "image.exe").string() +
                                " Korvalith.exe=" + (dir / "Korvalith.exe").string() +
                                " License.txt=" + (dir / "License.txt").string() +
                                " Korvalith.chm=" + (dir / "Korvalith.chm").string();
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        packed = ReadFile(dir / "out.exe");
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    Bytes program, license, help, packed;
};

TEST_F(PackerRoundTrip, ImageFirstThenThreeMembersInOrderUpToTheDirectory) {
    const Bytes image = ReadFile(dir / "image.exe");
    ASSERT_GT(packed.size(), image.size());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), packed.begin()));

    TMemoryStream source(packed);
    setup::DirectoryRead read = setup::ReadArchiveDirectory(source);
    ASSERT_EQ(read.Outcome, DirectoryOutcome::Ok);
    ASSERT_EQ(read.Files.size(), 3u);
    EXPECT_EQ(read.Files[0].Name, "Korvalith.exe");
    EXPECT_EQ(read.Files[1].Name, "License.txt");
    EXPECT_EQ(read.Files[2].Name, "Korvalith.chm");
    EXPECT_EQ(read.Files[0].Offset, image.size());
    EXPECT_EQ(read.Files[0].Size, program.size());
    EXPECT_EQ(read.Files[1].Offset, read.Files[0].Offset + read.Files[0].PackedSize);

    const auto trailer = std::span(packed).last(8);
    const uint32_t dirOffset = *setup::ParseTrailer(trailer);
    EXPECT_EQ(read.Files[2].PackedSize, dirOffset - read.Files[2].Offset);

    EXPECT_EQ(Inflate(source, read.Files[0]), program);
    EXPECT_EQ(Inflate(source, read.Files[1]), license);
    EXPECT_EQ(Inflate(source, read.Files[2]), help);
}

TEST_F(PackerRoundTrip, MemberDatesAreTheFilesLocalTimesAtTwoSecondPrecision) {
    TMemoryStream source(packed);
    setup::DirectoryRead read = setup::ReadArchiveDirectory(source);
    ASSERT_EQ(read.Files.size(), 3u);
    const double date = read.Files[0].Date;
    EXPECT_EQ(setup::TruncateToDosPrecision(date), date);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    setup::CivilTime t{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour,        local.tm_min,     local.tm_sec};
    EXPECT_NEAR(date, setup::DayCountFromCivil(t), 120.0 / 86400.0);
}

// A member stream limited to its compressed size: exact bytes, then 0 for ever.
class LimitedMember : public ::testing::Test {
  protected:
    void SetUp() override {
        parts = setup_test::BuildArchive(
            {{"a.bin", setup_test::Noise(100000, 5)}, {"b.bin", setup_test::Noise(5000, 6)}});
        bytes = parts.Assemble();
    }
    setup_test::ArchiveParts parts;
    Bytes bytes;
};

TEST_F(LimitedMember, ReadStopsAtTheLimitAndNeverTouchesTheNextMember) {
    TMemoryStream source(bytes);
    const setup::TAttachedFile& a = parts.records[0];
    source.SetPosition(a.Offset);
    TZDecompressionStream z(source);
    z.Limit = static_cast<int32_t>(parts.records[1].Offset - a.Offset);
    Bytes out;
    Bytes piece(7000);
    int32_t got;
    while ((got = z.Read(piece.data(), 7000)) > 0) {
        out.insert(out.end(), piece.begin(), piece.begin() + got);
    }
    EXPECT_EQ(out, setup_test::Noise(100000, 5));
    EXPECT_TRUE(z.Finished());
    EXPECT_EQ(z.Consumed, z.Limit);
    EXPECT_LE(source.Position(), static_cast<int64_t>(parts.records[1].Offset));
    EXPECT_EQ(z.Read(piece.data(), 7000), 0);
    EXPECT_EQ(z.Read(piece.data(), 1), 0);
}

TEST_F(LimitedMember, ALimitBelowTheMemberEndsTheReadUnfinished) {
    TMemoryStream source(bytes);
    source.SetPosition(parts.records[0].Offset);
    TZDecompressionStream z(source);
    z.Limit = 100;
    TMemoryStream out;
    EXPECT_FALSE(setup::PumpMember(z, out));
    EXPECT_FALSE(z.Finished());
    EXPECT_EQ(z.Consumed, 100);
    Bytes piece(10);
    EXPECT_EQ(z.Read(piece.data(), 10), 0);
}

TEST_F(LimitedMember, ReadReturnsToItsSourcePositionWhenOthersMovedTheSource) {
    TMemoryStream source(bytes);
    source.SetPosition(parts.records[0].Offset);
    TZDecompressionStream z(source);
    z.Limit = static_cast<int32_t>(parts.records[1].Offset - parts.records[0].Offset);
    Bytes first(10);
    ASSERT_EQ(z.Read(first.data(), 10), 10);
    source.SetPosition(0);
    TMemoryStream rest;
    EXPECT_TRUE(setup::PumpMember(z, rest));
    first.insert(first.end(), rest.Bytes().begin(), rest.Bytes().end());
    EXPECT_EQ(first, setup_test::Noise(100000, 5));
}

TEST(ZStreamSeek, SeekSkipsForwardAndReportsTheBytesProduced) {
    const Bytes content = setup_test::Noise(20000, 9);
    TMemoryStream source(setup_test::Deflate(content));
    TZDecompressionStream z(source);
    EXPECT_EQ(z.Seek(0, setup::soFromCurrent), 0);
    EXPECT_EQ(z.Seek(5000, setup::soFromCurrent), 5000);
    EXPECT_EQ(z.Seek(6000, setup::soFromBeginning), 6000);  // forward from the beginning
    EXPECT_EQ(z.Seek(100, setup::soFromBeginning), 6000);   // backwards: nothing changes
    EXPECT_EQ(z.Seek(-5, setup::soFromCurrent), 6000);
    EXPECT_EQ(z.Seek(0, setup::soFromEnd), 6000);
    uint8_t b = 0;
    ASSERT_EQ(z.Read(&b, 1), 1);
    EXPECT_EQ(b, content[6000]);
    EXPECT_EQ(z.Seek(1u << 20, setup::soFromCurrent), 20000);  // skipping past the end stops
}

TEST(ZStreamSeek, SeekToZeroRestartsFromTheSourcesFirstByte) {
    const Bytes content = setup_test::Noise(3000, 4);
    TMemoryStream source(setup_test::Deflate(content));
    TZDecompressionStream z(source);
    Bytes piece(3000);
    ASSERT_EQ(z.Read(piece.data(), 1000), 1000);
    EXPECT_EQ(z.Seek(0, setup::soFromBeginning), 0);
    ASSERT_EQ(z.Read(piece.data(), 3000), 3000);
    EXPECT_EQ(piece, content);
}

TEST(ZStreamWrite, WritingDoesNothing) {
    TMemoryStream source(setup_test::Deflate(setup_test::BytesOf("x")));
    TZDecompressionStream z(source);
    EXPECT_EQ(z.Write("abc", 3), 0);
}

}  // namespace

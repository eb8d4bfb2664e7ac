// korvalith-pack: appends the compressed archive of the setup's members to the setup executable.
//
//   korvalith-pack OUTPUT SETUP_IMAGE NAME=FILE [NAME=FILE ...]
//
// OUTPUT becomes a copy of SETUP_IMAGE followed by each FILE as its own zlib stream (in the
// order given, stored under NAME), the directory as one zlib stream ending with the sentinel
// record, and the trailer holding the directory's offset twice.
#include <sys/stat.h>
#include <zlib.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "setup/archive_format.h"
#include "setup/day_date.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::optional<Bytes> ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<Bytes> Deflate(const Bytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return std::nullopt;
    }
    out.resize(size);
    return out;
}

// The file's last-write time in local time as a day-count date, at the 2-second precision the
// installed file will carry, so an installed file compares equal to its member.
std::optional<double> FileDate(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    std::tm local{};
    const time_t seconds = st.st_mtim.tv_sec;
    if (!localtime_r(&seconds, &local)) {
        return std::nullopt;
    }
    setup::CivilTime t;
    t.year = local.tm_year + 1900;
    t.month = local.tm_mon + 1;
    t.day = local.tm_mday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec > 59 ? 59 : local.tm_sec;
    t.millisecond = static_cast<int>(st.st_mtim.tv_nsec / 1000000);
    return setup::TruncateToDosPrecision(setup::DayCountFromCivil(t));
}

bool Append(Bytes& out, const Bytes& piece) {
    out.insert(out.end(), piece.begin(), piece.end());
    return out.size() <= UINT32_MAX;  // offsets are 32-bit
}

int Fail(const std::string& what) {
    std::cerr << "korvalith-pack: " << what << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return Fail("usage: korvalith-pack OUTPUT SETUP_IMAGE NAME=FILE [NAME=FILE ...]");
    }
    const std::string output = argv[1];
    std::optional<Bytes> image = ReadWhole(argv[2]);
    if (!image) {
        return Fail(std::string("cannot read ") + argv[2]);
    }
    Bytes out = std::move(*image);
    std::vector<setup::TAttachedFile> records;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t eq = arg.find('=');
        if (eq == std::string::npos) {
            return Fail("member argument without NAME=: " + arg);
        }
        setup::TAttachedFile rec;
        rec.Name = arg.substr(0, eq);
        const std::string path = arg.substr(eq + 1);
        if (rec.Name.size() > setup::kMaxNameBytes || !setup::IsSafeMemberName(rec.Name)) {
            return Fail("unusable member name: " + rec.Name);
        }
        std::optional<Bytes> raw = ReadWhole(path);
        std::optional<double> date = FileDate(path);
        if (!raw || !date) {
            return Fail("cannot read " + path);
        }
        std::optional<Bytes> packed = Deflate(*raw);
        if (!packed || raw->size() > UINT32_MAX) {
            return Fail("cannot compress " + path);
        }
        rec.Size = static_cast<uint32_t>(raw->size());
        rec.Date = *date;
        rec.Offset = static_cast<uint32_t>(out.size());
        if (!Append(out, *packed)) {
            return Fail("archive exceeds 4 GB");
        }
        records.push_back(std::move(rec));
    }
    const uint32_t dirOffset = static_cast<uint32_t>(out.size());
    records.push_back(setup::SentinelRecord(dirOffset));
    std::optional<Bytes> directory = Deflate(setup::EncodeRecords(records));
    if (!directory || !Append(out, *directory) || !Append(out, setup::EncodeTrailer(dirOffset))) {
        return Fail("cannot write the directory");
    }
    const std::string temp = output + ".part";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(out.data()),
                   static_cast<std::streamsize>(out.size()));
        if (!file) {
            return Fail("cannot write " + temp);
        }
    }
    chmod(temp.c_str(), 0755);  // a Windows program, but runnable from the shell through binfmt
    if (std::rename(temp.c_str(), output.c_str()) != 0) {
        return Fail("cannot write " + output);
    }
    return 0;
}

// Inputs the fuzzer once found troublesome, replayed through the same reader path.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/setup/fuzz_archive_body.h"

namespace {

namespace fs = std::filesystem;

TEST(FuzzRegressions, EveryKeptInputReadsWithoutHarm) {
    const fs::path dir = KORVALITH_FUZZ_REGRESSIONS;
    ASSERT_TRUE(fs::is_directory(dir));
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().filename() == "README") {
            continue;
        }
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const setup_test::Bytes bytes((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
        setup_test::ReadFuzzedArchive(bytes.data(), bytes.size());
    }
}

}  // namespace

// libFuzzer entry for the archive reader (directory parser and member inflation).
#include "tests/setup/fuzz_archive_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setup_test::ReadFuzzedArchive(data, size);
    return 0;
}

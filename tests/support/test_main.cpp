// The tests' main: each test program runs in a fresh scratch folder of its own, so nothing a
// test writes (settings files, shots) lands in the build tree or leaks into another test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    char folder[] = "/tmp/tovuka-run-XXXXXX";
    const bool scratch = mkdtemp(folder) != nullptr && chdir(folder) == 0;
    if (!scratch) std::fprintf(stderr, "tests: no scratch folder, running where we are\n");
    const int status = RUN_ALL_TESTS();
    if (scratch) {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    return status;
}

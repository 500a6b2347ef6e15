// tabora_e2e_tests <folder of tabora.exe>
#include <gtest/gtest.h>

#include "tests/e2e/test_folder_win.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) e2e::SetProgramFolder(argv[1]);
    return RUN_ALL_TESTS();
}

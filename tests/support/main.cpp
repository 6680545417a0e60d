#include <gtest/gtest.h>

#include "assert_capture.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    InstallAssertSinkForTests();
    return RUN_ALL_TESTS();
}

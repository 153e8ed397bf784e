// The place tests give every zone by name; the machine's own zone must not matter, so it is set
// to one far from Greenwich that keeps daylight saving.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

int main(int argc, char* argv[]) {
    setenv("TZ", "America/Santiago", 1);
    tzset();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

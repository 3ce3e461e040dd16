#include <gtest/gtest.h>

#include "ui/IconPlacement.h"

namespace {

TEST(IconPlacement, CentresWithTheOddPixelBeforeAndTruncatesTowardZero) {
    const struct {
        int extent;
        int offset;
        const char* why;
    } cases[] = {
        {32, 0, "exactly the icon"},   {33, 1, "one spare pixel goes before"},
        {34, 1, "two spare pixels split"}, {31, 0, "one short"},
        {30, 0, "two short: -1/2 truncates to 0"}, {29, -1, "three short"},
        {100, 34, "a roomy client"},
    };
    for (const auto& c : cases) EXPECT_EQ(CentredIconOffset(c.extent, 32), c.offset) << c.why;
}

}  // namespace

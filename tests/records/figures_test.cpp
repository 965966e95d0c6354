#include "records/figures.h"

#include <gtest/gtest.h>

using namespace records;

TEST(Figures, RoundExactHalvesAwayFromZero) {
    EXPECT_EQ(FormatSpeed(1, 8), "0.13/秒");    // 0.125
    EXPECT_EQ(FormatRate(1, 15), "6.3%");       // 6.25
    EXPECT_EQ(FormatSpeed(130, 60), "2.17/秒"); // 2.1666...
    EXPECT_EQ(FormatSpeed(90, 60), "1.50/秒");
    EXPECT_EQ(FormatRate(18, 2), "90.0%");
    EXPECT_EQ(FormatRate(2, 1), "66.7%");
    EXPECT_EQ(FormatRate(1, 2), "33.3%");
    EXPECT_EQ(FormatRate(32767, 0), "100.0%");
}

TEST(Figures, ZeroCasesNeedNoDivision) {
    EXPECT_EQ(FormatRate(0, 0), "0.0%");
    EXPECT_EQ(FormatRate(0, 3), "0.0%");
    EXPECT_EQ(FormatSpeed(0, 30), "0.00/秒");
    EXPECT_EQ(FormatSpeed(5, 0), "0.00/秒");
    EXPECT_EQ(FormatSpeed(32767, 1), "32767.00/秒");
    EXPECT_EQ(FormatJikan(60), "60秒");
}

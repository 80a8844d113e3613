// SPDX-License-Identifier: MIT
#include "ui/toolkit/colours.h"

#include <gtest/gtest.h>

namespace zc {
namespace {

struct ColourCase {
    const char* name;
    quint32 value;
    int red, green, blue;
};

class ColourValueTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourValueTest, RedIsTheLowByteAndValuesRoundTrip) {
    const ColourCase& c = GetParam();
    const QColor colour = colourFromValue(c.value);
    EXPECT_EQ(colour.red(), c.red);
    EXPECT_EQ(colour.green(), c.green);
    EXPECT_EQ(colour.blue(), c.blue);
    EXPECT_EQ(colourValue(colour), c.value & 0xFFFFFF);
}

INSTANTIATE_TEST_SUITE_P(SystemColours, ColourValueTest,
                         ::testing::Values(ColourCase{"maroon", 128, 128, 0, 0},
                                           ColourCase{"green", 0x008000, 0, 128, 0},
                                           ColourCase{"blue", 0xFF0000, 0, 0, 255},
                                           ColourCase{"yellow", 0x00FFFF, 255, 255, 0},
                                           ColourCase{"teal", 0x808000, 0, 128, 128},
                                           ColourCase{"buttonFace", kButtonFace, 240, 240, 240},
                                           ColourCase{"highByteIgnored", 0xFF0000FF, 255, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zc

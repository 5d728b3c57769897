#include "print/stagescheme.h"

#include <gtest/gtest.h>

namespace {

// Values from the WCAG's own examples and tools.
TEST(StageScheme, ContrastRatiosAreThoseOfWcag) {
    const struct {
        TColor First;
        TColor Second;
        double Ratio;
    } cases[] = {
        {RgbColor(0, 0, 0), RgbColor(255, 255, 255), 21},
        {RgbColor(255, 255, 255), RgbColor(0, 0, 0), 21},
        {RgbColor(0x76, 0x76, 0x76), RgbColor(255, 255, 255), 4.54},
        {RgbColor(0x77, 0x77, 0x77), RgbColor(255, 255, 255), 4.48},
        {RgbColor(255, 0, 0), RgbColor(255, 255, 255), 4.00},
        {RgbColor(0, 0, 255), RgbColor(0, 0, 0), 2.44},
        {RgbColor(12, 34, 56), RgbColor(12, 34, 56), 1},
    };
    for (const auto& row : cases)
        EXPECT_NEAR(row.Ratio, ContrastRatio(row.First, row.Second), 0.005) << std::hex << row.First;
}

TEST(StageScheme, TheDarkSchemeReadsAtLevelAa) {
    EXPECT_LT(RelativeLuminance(DarkStageScheme.Background), 0.05);
    EXPECT_GE(ContrastRatio(DarkStageScheme.Text, DarkStageScheme.Background), 4.5);
    EXPECT_GE(ContrastRatio(DarkStageScheme.Chords, DarkStageScheme.Background), 4.5);
    EXPECT_NE(DarkStageScheme.Text, DarkStageScheme.Chords);
}

TEST(StageScheme, ChordsTakeTheChordColourAndEverythingElseTheText) {
    const TStyleFonts fonts = InScheme(TStyleFonts{}, DarkStageScheme);
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
        EXPECT_EQ(slot == StyleSlot::Chords ? DarkStageScheme.Chords : DarkStageScheme.Text,
                  fonts[static_cast<std::size_t>(slot)].Color)
            << slot;
}

} // namespace

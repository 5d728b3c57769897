#include "render/document.h"
#include "render/styleslots.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

TEST(StyleSlots, HaveTheirNamesAndDefaultFonts) {
    const char* names[] = {"Normal", "Verse", "Chords", "Tab", "Title", "Authors"};
    const std::int32_t sizes[] = {9, 9, 9, 8, 24, 9};
    const std::int32_t heights[] = {-12, -12, -12, -11, -32, -12};
    const std::int32_t styles[] = {0, 1, 2, 1, 1, 2};
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot) {
        std::string name;
        EXPECT_TRUE(StyleSlotName(slot, name));
        EXPECT_EQ(names[slot], name);
        const TFont font = DefaultFont(slot);
        EXPECT_EQ(238, font.Charset);
        EXPECT_EQ(0x80000008u, font.Color);
        EXPECT_EQ(heights[slot], font.Height);
        EXPECT_EQ(sizes[slot], font.Size(StandardPixelsPerInch));
        EXPECT_EQ(styles[slot], font.Style);
        EXPECT_EQ(slot >= StyleSlot::Title ? "Times New Roman" : "Courier New", font.Name);
        EXPECT_EQ(font, StyleFonts[slot]);
    }
    std::string kept = "kept";
    EXPECT_FALSE(StyleSlotName(6, kept));
    EXPECT_FALSE(StyleSlotName(-1, kept));
    EXPECT_EQ("kept", kept);
}

TEST(StyleSlots, TieSizeAndHeightThroughPixelsPerInch) {
    TFont font;
    font.SetSize(8, 120);
    EXPECT_EQ(-13, font.Height);
    EXPECT_EQ(8, font.Size(120));
    font.Height = -11;
    EXPECT_EQ(8, font.Size(96));
    EXPECT_EQ(7, font.Size(120)); // 6.6 rounds up
    font.SetSize(9, 96);
    EXPECT_EQ(-12, font.Height);
}

// A Tab font with Size 8 and Height -11 on a 120 pixels-per-inch screen: the
// size decides, the height gives no usable size.
TEST(StyleSlots, ApplyTheSlotFontToTheNextText) {
    TStyleFonts fonts = StyleFonts;
    fonts[StyleSlot::Tab].SetSize(8, 120);
    TRichDocument document(120);
    ApplyStyleSlot(StyleSlot::Tab, document, {fonts, 120});
    const TCharacterFormat& format = document.InsertionFormat();
    EXPECT_EQ(160, format.SizeTwips);
    EXPECT_EQ("Courier New", format.FaceName);
    EXPECT_EQ(238, format.Charset);
    EXPECT_TRUE(format.AutomaticColor);
    EXPECT_EQ(FontStyle::Bold, format.Style);
}

// A font without a usable size (a zero height) must not leave the text in
// whatever size the line before had.
TEST(StyleSlots, AFontWithoutASizeTakesItsSlotsDefaultSize) {
    TStyleFonts fonts = StyleFonts;
    fonts[StyleSlot::Verse].Height = 0;
    fonts[StyleSlot::Tab].Height = 11; // a positive height gives a negative size
    TRichDocument document(StandardPixelsPerInch);
    ApplyStyleSlot(StyleSlot::Title, document, {fonts, StandardPixelsPerInch});
    ApplyStyleSlot(StyleSlot::Verse, document, {fonts, StandardPixelsPerInch});
    EXPECT_EQ(DefaultSize(StyleSlot::Verse) * 20, document.InsertionFormat().SizeTwips);
    ApplyStyleSlot(StyleSlot::Title, document, {fonts, StandardPixelsPerInch});
    ApplyStyleSlot(StyleSlot::Tab, document, {fonts, StandardPixelsPerInch});
    EXPECT_EQ(DefaultSize(StyleSlot::Tab) * 20, document.InsertionFormat().SizeTwips);
}

// A slot's whole format is what ApplyStyleSlot sets after any other slot,
// fonts without a usable size, with system colours and at other screens
// included: rendering sets it at once for many lines.
TEST(StyleSlots, ASlotsFormatIsWhatApplyingItSetsWhateverCameBefore) {
    TStyleFonts fonts = StyleFonts;
    fonts[StyleSlot::Verse].Height = 0;
    fonts[StyleSlot::Tab].Height = 11;
    fonts[StyleSlot::Chords].Color = RgbColor(200, 10, 20);
    fonts[StyleSlot::Authors].Color = WindowColor;
    fonts[StyleSlot::Title].Name = "Arial";
    fonts[StyleSlot::Normal].Style = FontStyle::All;
    for (const int pixelsPerInch : {StandardPixelsPerInch, 120}) {
        const TRenderStyle style{fonts, pixelsPerInch};
        for (TStyleSlot before = 0; before < StyleSlot::Count; ++before) {
            for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot) {
                TRichDocument document(pixelsPerInch);
                ApplyStyleSlot(before, document, style);
                ApplyStyleSlot(slot, document, style);
                EXPECT_EQ(document.InsertionFormat(), SlotFormat(slot, style))
                    << slot << " after " << before << " at " << pixelsPerInch;
            }
        }
    }
}

// Sizes and heights of any 32-bit value convert without overflow.
TEST(StyleSlots, ExtremeSizesAndHeightsStayInRange) {
    TFont font;
    for (const std::int32_t points : {INT32_MIN, -1, 0, 1638, 1639, 200000000, INT32_MAX}) {
        font.SetSize(points, 144);
        EXPECT_EQ(std::clamp(points, 1, 1638), font.Size(144)) << points;
    }
    for (const std::int32_t height : {INT32_MIN, INT32_MAX}) {
        font.Height = height;
        EXPECT_EQ(height < 0 ? 1638 : -1638, font.Size(96)) << height;
        TRichDocument document(96);
        document.SetSelectionAttribute(TFontAttribute::Height, std::int64_t{-std::int64_t{height}});
        document.SetSelectionAttribute(TFontAttribute::Size, std::int64_t{INT64_MAX});
        EXPECT_EQ(1638 * 20, document.InsertionFormat().SizeTwips);
    }
}

TEST(StyleSlots, ResolveSystemColoursWhenApplied) {
    TStyleFonts fonts = StyleFonts;
    fonts[StyleSlot::Normal].Color = WindowColor;
    fonts[StyleSlot::Verse].Color = RgbColor(200, 10, 20);
    TRichDocument document(StandardPixelsPerInch);
    SetSystemColorSource([](int index) -> std::optional<TColor> {
        return index == 5 ? std::optional(RgbColor(1, 2, 3)) : std::nullopt;
    });
    ApplyStyleSlot(StyleSlot::Normal, document, {fonts, StandardPixelsPerInch});
    SetSystemColorSource(nullptr);
    EXPECT_FALSE(document.InsertionFormat().AutomaticColor);
    EXPECT_EQ(RgbColor(1, 2, 3), document.InsertionFormat().Rgb);
    ApplyStyleSlot(StyleSlot::Normal, document, {fonts, StandardPixelsPerInch});
    EXPECT_EQ(RgbColor(255, 255, 255), document.InsertionFormat().Rgb); // the standard window colour
    ApplyStyleSlot(StyleSlot::Verse, document, {fonts, StandardPixelsPerInch});
    EXPECT_EQ(RgbColor(200, 10, 20), document.InsertionFormat().Rgb);
}

} // namespace

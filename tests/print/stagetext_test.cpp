#include "print/stagepages.h"
#include "print/stagetext.h"
#include "render/songrenderer.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const std::string LongLine(120, 'x');

class StageTextTest : public testing::Test {
protected:
    void SetUp() override {
        WriteBytes(m_folder / "a.txt", SongFileBytes({".artist Zenekar", ".title Dal", ".defverse", "Am       G",
                                                      "Ég és föld", "", ".tab", LongLine}));
        m_artist = std::make_unique<TArtist>(m_folder / "a.txt");
        TStyleFonts fonts;
        for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
            fonts[static_cast<std::size_t>(slot)] = DefaultFont(slot);
        RenderSong(*m_artist->FirstSong, m_document, {fonts, 96});
    }

    TTempDirectory m_folder;
    std::unique_ptr<TArtist> m_artist;
    TRichDocument m_document{96};
    QImage m_device{10, 10, QImage::Format_RGB32};
};

// A blank line, artist, title, a blank line, the chord line tied to its
// text, a blank line between the paragraphs, the tablature.
TEST_F(StageTextTest, EachParagraphIsALineWithItsTie) {
    const TStageText text(m_document, m_device);
    const std::vector<TStageLine>& lines = text.Lines();
    ASSERT_EQ(8u, lines.size());
    const bool tied[] = {false, false, false, false, true, false, false, false};
    const bool hasText[] = {false, true, true, false, true, true, false, true};
    for (std::size_t line = 0; line < lines.size(); ++line) {
        EXPECT_EQ(tied[line], lines[line].TiedToNext) << line;
        EXPECT_EQ(hasText[line], lines[line].HasText) << line;
        EXPECT_GT(lines[line].Height, 0) << line;
    }
    EXPECT_GT(lines[2].Height, lines[4].Height); // the title's face is larger
}

// The long tablature line sets the zoom; laid out for the column it fills
// it to the right edge on one line, however far the text is zoomed.
TEST_F(StageTextTest, TheLongestLineFillsTheWidthWithoutWrapping) {
    TStageText text(m_document, m_device);
    const std::vector<TStageLine>& lines = text.Lines();
    const double widest = lines.back().Width;
    for (const TStageLine& line : lines)
        EXPECT_LE(line.Width, widest);
    for (const double width : {300.0, 1500.0}) {
        const TStageFit fit = FitStage(lines, {width, 4000, 0, 1});
        ASSERT_EQ(1, fit.Columns);
        EXPECT_DOUBLE_EQ(width, widest * fit.Zoom);
        text.SetColumnWidth(width / fit.Zoom + 1);
        const double lineHeight = lines.back().Height * fit.Zoom;
        QImage image(static_cast<int>(width) + 20, static_cast<int>(3 * lineHeight), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(fit.Zoom, fit.Zoom);
        text.Draw(painter, lines.size() - 1, {0, 0});
        painter.end();
        const auto inkIn = [&image](int left, int right, int top, int bottom) {
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) {
                    if (image.pixel(x, y) != qRgb(255, 255, 255))
                        return true;
                }
            }
            return false;
        };
        const auto lineBottom = static_cast<int>(lineHeight);
        EXPECT_TRUE(inkIn(static_cast<int>(width * 0.97), static_cast<int>(width), 0, lineBottom)) << width;
        EXPECT_FALSE(inkIn(static_cast<int>(width) + 2, image.width(), 0, image.height())) << width;
        EXPECT_FALSE(inkIn(0, image.width(), lineBottom + 1, image.height())) << width << ": wrapped";
    }
}

} // namespace

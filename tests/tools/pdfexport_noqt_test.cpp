// A songbook built without Qt writes no PDF: it says so, writes nothing, and
// the PDF options are still checked as ever.
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"
#include "tests/tools/songbookrun.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class PdfExportWithoutQt : public SongbookWithSettings {
protected:
    void SetUp() override {
        SongbookWithSettings::SetUp();
        WriteBytes(m_data / "a.txt", SongFileBytes({".artist Dalos", ".title Ének ő", ".verse", "szöveg"}));
        WriteBytes(m_set, "Dalos - Ének ő\n");
    }

    TRun Export(std::vector<std::string> request) {
        std::vector<std::string> arguments{"export", "--data", m_data.Path()};
        arguments.insert(arguments.end(), request.begin(), request.end());
        return Songbook(arguments);
    }

    TTempDirectory m_data;
    TTempDirectory m_out;
    TTempDirectory m_sets;
    std::string m_set = m_sets / "műsor.txt";
};

TEST_F(PdfExportWithoutQt, FailsClearlyAndWritesNothing) {
    const std::vector<std::vector<std::string>> requests = {
        {"--artist", "Dalos", "-o", m_out / "könyv.pdf"},
        {"--song", "Dalos - Ének ő", "-o", m_out / "dal.PDF", "--columns", "2", "--toc"},
        {"--all", "--pdf", "--paper", "A5", "-o", m_out / "mind"},
        {"--set", m_set, "-o", m_out / "műsor.pdf"},
    };
    for (const auto& request : requests) {
        const TRun run = Export(request);
        EXPECT_EQ(1, run.ExitCode) << request.back();
        EXPECT_EQ("songbook: PDF export needs the Qt build of songbook\n", run.Err);
        EXPECT_EQ("", run.Out);
        EXPECT_TRUE(std::filesystem::is_empty(m_out.Path())) << request.back();
    }
}

TEST_F(PdfExportWithoutQt, RichTextAndTheUsageChecksAreAsEver) {
    const TRun rtf = Export({"--artist", "Dalos", "-o", m_out / "könyv.rtf"});
    EXPECT_EQ(0, rtf.ExitCode) << rtf.Err;
    EXPECT_EQ(m_out / "könyv.rtf" + "\n", rtf.Out);
    const TRun stray = Export({"--artist", "Dalos", "-o", m_out / "b.rtf", "--columns", "2"});
    EXPECT_EQ(2, stray.ExitCode);
    EXPECT_NE(std::string::npos, stray.Err.find("--columns belongs to PDF")) << stray.Err;
    const TRun bad = Export({"--artist", "Dalos", "-o", m_out / "c.pdf", "--paper", "B5"});
    EXPECT_EQ(2, bad.ExitCode);
    EXPECT_NE(std::string::npos, bad.Err.find("--paper takes A5, A4 or Letter")) << bad.Err;
}

} // namespace

#include "shell/viewerarguments.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct TAnswer {
    std::optional<int> ExitCode;
    std::string Out;
    std::string Err;
};

TAnswer Answer(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> exitCode = AnswerWithoutWindows(ParseViewerArguments(arguments), out, err);
    return {exitCode, out.str(), err.str()};
}

TEST(ViewerArguments, AnswersHelpAndVersionWithoutStarting) {
    const TAnswer version = Answer({"--version"});
    EXPECT_EQ(0, version.ExitCode);
    EXPECT_EQ(std::string("Vivira redir ") + VIVIRA_VERSION + "\n", version.Out);
    const TAnswer help = Answer({"--help"});
    EXPECT_EQ(0, help.ExitCode);
    EXPECT_EQ(0u, help.Out.find("usage: vivira [--data DIR]"));
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--data"}, {"--verbose"}, {"songs"}, {"--data", "a", "b"}}) {
        const TAnswer answer = Answer(bad);
        EXPECT_EQ(2, answer.ExitCode) << bad.back();
        EXPECT_EQ(0u, answer.Err.find("vivira: ")) << answer.Err;
    }
}

// The folder given is read; Qt's own options are left to Qt.
TEST(ViewerArguments, StartsWithTheFolderGivenAndLeavesQtsOptionsToQt) {
    const TViewerArguments parsed =
        ParseViewerArguments({"-platform", "offscreen", "--data", "/srv/dalok ő", "-reverse", "-style", "Fusion"});
    EXPECT_EQ("/srv/dalok ő", parsed.DataDirectory);
    EXPECT_TRUE(parsed.Error.empty()) << parsed.Error;
    EXPECT_EQ(std::nullopt, Answer({"-platform", "offscreen"}).ExitCode);
    EXPECT_EQ(std::nullopt, ParseViewerArguments({}).DataDirectory);
}

} // namespace

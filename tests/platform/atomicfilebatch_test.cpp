#include "platform/atomicfilebatch.h"
#include "platform/pathtext.h"
#include "tests/support/tempdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::size_t EntryCount(const TTempDirectory& folder) {
    const std::filesystem::directory_iterator entries(PathFromUtf8(folder.Path()));
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

void Add(TAtomicFileBatch& batch, const std::string& path, std::string_view bytes) {
    auto file = std::make_unique<TAtomicFile>(path);
    ASSERT_TRUE(file->Open()) << file->FailureReason();
    ASSERT_TRUE(file->Write(bytes)) << file->FailureReason();
    batch.Add(std::move(file));
}

bool Replace(const std::string& path, std::string_view bytes) {
    TAtomicFile file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}

// Until the batch commits, every target holds what it held; after, every
// one holds its new content, and no temporary is left. A batch goes on
// taking files after a commit.
TEST(AtomicFileBatch, FilesTakeTheirNamesOnlyWhenTheBatchCommits) {
    TTempDirectory folder;
    ASSERT_TRUE(Replace(folder / "régi.rtf", "régi"));
    TAtomicFileBatch batch;
    for (const std::string round : {"első", "második"}) {
        Add(batch, folder / "régi.rtf", "régi helyett " + round);
        Add(batch, folder / "új.rtf", "új " + round);
        EXPECT_EQ(2u, batch.Size());
        EXPECT_NE("régi helyett " + round, ReadBytes(folder / "régi.rtf"));
        EXPECT_TRUE(batch.Commit().empty());
        EXPECT_EQ(0u, batch.Size());
        EXPECT_EQ("régi helyett " + round, ReadBytes(folder / "régi.rtf"));
        EXPECT_EQ("új " + round, ReadBytes(folder / "új.rtf"));
        EXPECT_EQ(2u, EntryCount(folder));
    }
}

TEST(AtomicFileBatch, ABatchNeverCommittedLeavesEveryOldFileAndNoTemporary) {
    TTempDirectory folder;
    ASSERT_TRUE(Replace(folder / "régi.rtf", "régi"));
    {
        TAtomicFileBatch batch;
        Add(batch, folder / "régi.rtf", "félig");
        Add(batch, folder / "új.rtf", "félig");
    }
    EXPECT_EQ("régi", ReadBytes(folder / "régi.rtf"));
    EXPECT_EQ(1u, EntryCount(folder));
}

// A target that turned into a folder while the batch was written cannot be
// replaced: it is reported and stays, its temporary goes, the others are placed.
TEST(AtomicFileBatch, AFileThatCannotTakeItsNameIsReportedAndTheOthersArePlaced) {
    TTempDirectory folder;
    TAtomicFileBatch batch;
    Add(batch, folder / "a.rtf", "a");
    Add(batch, folder / "b.rtf", "b");
    Add(batch, folder / "c.rtf", "c");
    std::filesystem::create_directories(PathFromUtf8(folder / "b.rtf/benne"));

    const std::vector<TAtomicFileFailure> failures = batch.Commit();

    ASSERT_EQ(1u, failures.size());
    EXPECT_EQ(folder / "b.rtf", Utf8FromPath(failures[0].Target));
    EXPECT_FALSE(failures[0].Reason.empty());
    EXPECT_TRUE(std::filesystem::is_directory(PathFromUtf8(folder / "b.rtf/benne")));
    EXPECT_EQ("a", ReadBytes(folder / "a.rtf"));
    EXPECT_EQ("c", ReadBytes(folder / "c.rtf"));
    EXPECT_EQ(3u, EntryCount(folder));
}

} // namespace

// Two running copies and sudden deaths must never cost a value: these tests
// write from child processes and kill them at random moments.
#include "tests/settings/settingsfixture.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs body in a child process that ends when body returns; returns its pid.
// A child that fails says why and ends there: it must not go on to run the
// test's clean-up, which would remove the folder the other copies write in.
template <class Body> pid_t Spawn(Body body) {
    const pid_t pid = fork();
    if (pid == 0) {
        try {
            body();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "child %d: %s\n", static_cast<int>(getpid()), error.what());
            _exit(1);
        }
        _exit(0);
    }
    return pid;
}

bool ExitedCleanly(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(SettingsTest, AWriterKilledAtAnyMomentLeavesAWholeFileWithEveryCompletedWrite) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 12; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(0, pipe(pipeEnds));
        const pid_t writer = Spawn([&] {
            close(pipeEnds[0]);
            const auto store = OpenStore();
            for (int i = 0; i < 400; ++i) {
                store->WriteIntValue("Kill\\Round" + std::to_string(round), "V" + std::to_string(i), i);
                (void)!write(pipeEnds[1], &i, sizeof i); // reported only once the write returned
            }
        });
        close(pipeEnds[1]);
        usleep(std::uniform_int_distribution<useconds_t>(1000, 40000)(random));
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        std::vector<int> completed;
        int done = 0;
        while (read(pipeEnds[0], &done, sizeof done) == sizeof done)
            completed.push_back(done);
        close(pipeEnds[0]);

        const auto store = OpenStore();
        for (int i : completed)
            ASSERT_EQ(i, store->ReadIntValue("Kill\\Round" + std::to_string(round), "V" + std::to_string(i), -1))
                << "round " << round << " lost value " << i << " of " << completed.size();
        ASSERT_EQ("", m_warnings.str()) << "round " << round;
    }
    OpenStore()->WriteIntValue("", "Last", 1); // clears what the killed writers left half-made
    for (const auto& entry : std::filesystem::directory_iterator(m_folder / "Cantorix"))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".vivira-")) << entry.path();
}

TEST_F(SettingsTest, TwoCopiesWritingAtOnceKeepEachOthersValues) {
    OpenStore();
    std::vector<pid_t> writers;
    for (const std::string name : {"A", "B", "C"}) {
        writers.push_back(Spawn([&] {
            const auto store = OpenStore();
            for (int i = 0; i < 60; ++i)
                store->WriteIntValue("Copies", name + std::to_string(i), i);
        }));
    }
    for (pid_t writer : writers)
        EXPECT_TRUE(ExitedCleanly(writer));
    const auto store = OpenStore();
    for (const std::string name : {"A", "B", "C"}) {
        for (int i = 0; i < 60; ++i)
            EXPECT_EQ(i, store->ReadIntValue("Copies", name + std::to_string(i), -1)) << name << i;
    }
}

} // namespace

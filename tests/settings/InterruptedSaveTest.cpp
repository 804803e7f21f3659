// A save killed at a random moment leaves every file whole: the old bytes or the new ones.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "SettingsTestSupport.h"
#include "settings/SavedSettings.h"

namespace tessivane::settings {
namespace {

SavedOptions LargeState(char fill, int index) {
    SavedOptions options = DesignedOptions();
    for (std::string& text : options.templates) {
        text = std::string(20000, fill);
    }
    options.templateIndex = index;
    options.matchText = std::string(9000, fill);
    options.replaceText = std::string(9000, fill);
    options.dropFirstLine = index % 2 == 0;
    return options;
}

struct SavedBytes {
    std::string settings;
    std::string template1;
};

SavedBytes SaveAndRead(const std::filesystem::path& folder, const SavedOptions& options) {
    SettingsStore store;
    store.Bind(platform::PathToGbk(SettingsFilePath(folder)));
    EXPECT_TRUE(SaveSettings(store, folder, options));
    return {platform::ReadFileBytes(SettingsFilePath(folder)),
            platform::ReadFileBytes(TemplateFilePath(folder, 1))};
}

class InterruptedSaveTest : public testing::ScratchFolder {};

TEST_F(InterruptedSaveTest, KilledSavesLeaveTheOldOrTheNewFileWhole) {
    const SavedOptions stateA = LargeState('a', 1);
    const SavedOptions stateB = LargeState('b', 2);
    std::filesystem::create_directory(folder_ / "a");
    std::filesystem::create_directory(folder_ / "b");
    const SavedBytes bytesA = SaveAndRead(folder_ / "a", stateA);
    const SavedBytes bytesB = SaveAndRead(folder_ / "b", stateB);
    ASSERT_NE(bytesA.settings, bytesB.settings);

    const std::filesystem::path folder = folder_ / "live";
    std::filesystem::create_directory(folder);
    SaveAndRead(folder, stateA);

    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> delayMicroseconds(500, 30000);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SettingsStore store;
            store.Bind(platform::PathToGbk(SettingsFilePath(folder)));
            for (int i = 0; i < 100000; ++i) {
                SaveSettings(store, folder, i % 2 == 0 ? stateB : stateA);
            }
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);

        const std::string settings = platform::ReadFileBytes(SettingsFilePath(folder));
        const std::string template1 = platform::ReadFileBytes(TemplateFilePath(folder, 1));
        EXPECT_TRUE(settings == bytesA.settings || settings == bytesB.settings) << "round " << round;
        EXPECT_TRUE(template1 == bytesA.template1 || template1 == bytesB.template1) << "round " << round;
    }
}

}  // namespace
}  // namespace tessivane::settings

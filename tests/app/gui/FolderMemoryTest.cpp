// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSettings>

#include "../../view/FolderTestSupport.h"
#include "app/FolderMemory.h"

using namespace foldertest;

namespace {

class FolderMemoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(QStandardPaths::isTestModeEnabled());
        // Settings of their own: the tests run in parallel processes and would race on one file.
        ASSERT_TRUE(settingsDir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        FolderMemory::Forget();
    }
    void TearDown() override { FolderMemory::Forget(); }
    static QSettings Stored() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Lumora", "Lumora"); }
    AppFirst app_;
    QTemporaryDir settingsDir_;
    QTemporaryDir tmp{ScratchBase() + "/memory-XXXXXX"};
};

TEST_F(FolderMemoryTest, OffByDefaultAndNothingKept) {
    EXPECT_FALSE(FolderMemory::Enabled());
    FolderMemory::Remember(tmp.path());
    EXPECT_TRUE(FolderMemory::LastFolder().isEmpty());
    EXPECT_FALSE(Stored().contains("Folders/LastFolder"));
    EXPECT_EQ(FolderMemory::StartFolder(), FolderMemory::DefaultFolder());
}

TEST_F(FolderMemoryTest, KeepsTheLastFolderWhileOn) {
    FolderMemory::SetEnabled(true);
    FolderMemory::Remember(tmp.path());
    QDir(tmp.path()).mkdir("later");
    FolderMemory::Remember(tmp.path() + "/later");
    // What the next start reads back from the settings.
    QSettings s = Stored();
    EXPECT_TRUE(s.value("Folders/MemorizeLastFolder").toBool());
    EXPECT_EQ(s.value("Folders/LastFolder").toString(), tmp.path() + "/later");
    EXPECT_TRUE(FolderMemory::Enabled());
    EXPECT_EQ(FolderMemory::StartFolder(), tmp.path() + "/later");

    // The tree's root and folders that are not there are not remembered.
    FolderMemory::Remember("Drives");
    FolderMemory::Remember(tmp.path() + "/missing");
    FolderMemory::Remember("relative/path");
    EXPECT_EQ(FolderMemory::LastFolder(), tmp.path() + "/later");

    // A remembered folder that went away: the start falls back.
    QDir(tmp.path() + "/later").removeRecursively();
    EXPECT_EQ(FolderMemory::StartFolder(), FolderMemory::DefaultFolder());
}

TEST_F(FolderMemoryTest, UncheckingOrResetForgetsBoth) {
    FolderMemory::SetEnabled(true);
    FolderMemory::Remember(tmp.path());
    FolderMemory::SetEnabled(false);
    EXPECT_FALSE(FolderMemory::Enabled());
    EXPECT_FALSE(Stored().contains("Folders/LastFolder"));
    // Turning it on again does not bring the old folder back.
    FolderMemory::SetEnabled(true);
    EXPECT_TRUE(FolderMemory::LastFolder().isEmpty());

    FolderMemory::Remember(tmp.path());
    FolderMemory::Forget();
    EXPECT_FALSE(FolderMemory::Enabled());
    EXPECT_FALSE(Stored().contains("Folders/MemorizeLastFolder"));
    EXPECT_FALSE(Stored().contains("Folders/LastFolder"));
}

}  // namespace

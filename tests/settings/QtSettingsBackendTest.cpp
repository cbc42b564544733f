#include "AppSettings.h"
#include "QtSettingsBackend.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QSettings>

#include <filesystem>
#include <fstream>

namespace {

class QtSettingsStore : public testing::Test {
protected:
    QtSettingsStore()
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() / (std::string("curvix-settings-") + test->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~QtSettingsStore() override { std::filesystem::remove_all(folder); }

    QString Path(const char* name) const { return QString::fromStdString((folder / name).string()); }

    std::filesystem::path folder;
};

// A missing store is a first start; values are written to the Settings
// group with their sizes and read back.
TEST_F(QtSettingsStore, MissingStoreIsWrittenOnSaveAndReadBack)
{
    QtSettingsBackend backend(Path("Curvix.conf"));
    AppSettings settings(backend);
    EXPECT_TRUE(settings.LoadSettings(SettingAll));
    EXPECT_EQ(settings.LastError(), "");
    EXPECT_TRUE(settings.ShowGrid);

    settings.ShowGrid = false;
    settings.GridSize = 2;
    settings.defaultCoordSystem.polarRange.to = 8;
    settings.windowPlacement = {44, 0, 1, {}, {}, {10, 20, 810, 620}};
    settings.customColors[15] = 0x00ABCDEF;
    EXPECT_TRUE(settings.SaveSettings(SettingAll));
    QSettings raw(Path("Curvix.conf"), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Settings/ShowGrid").toUInt(), 0u);
    EXPECT_EQ(raw.value("Settings/DefCS").toByteArray().size(), 104);
    EXPECT_EQ(raw.value("Settings/WndPlacement").toByteArray().size(), 44);
    EXPECT_EQ(raw.value("Settings/CustColors").toByteArray().size(), 64);

    AppSettings back(backend);
    EXPECT_TRUE(back.LoadSettings(SettingAll));
    EXPECT_FALSE(back.ShowGrid);
    EXPECT_EQ(back.GridSize, 2);
    EXPECT_FALSE(back.defaultCoordSystem.Differs(settings.defaultCoordSystem));
    EXPECT_EQ(back.windowPlacement.GetImage(), settings.windowPlacement.GetImage());
    EXPECT_EQ(back.customColors[15], 0x00ABCDEFu);
}

TEST_F(QtSettingsStore, ValuesOfTheWrongTypeTakeTheirDefaults)
{
    {
        QSettings raw(Path("Curvix.conf"), QSettings::IniFormat);
        raw.setValue("Settings/ShowGrid", "yes");
        raw.setValue("Settings/GridSize", 2);
        raw.setValue("Settings/DefCS", QString(104, QChar('x')));
    }
    QtSettingsBackend backend(Path("Curvix.conf"));
    AppSettings settings(backend);
    settings.ShowGrid = false;
    settings.defaultCoordSystem.left = 3;
    EXPECT_TRUE(settings.LoadSettings(SettingAll));
    EXPECT_TRUE(settings.ShowGrid);
    EXPECT_EQ(settings.GridSize, 2);
    EXPECT_EQ(settings.defaultCoordSystem.left, -40);
}

// A store whose folder is a file can be neither read nor made: loading is a
// first start, saving fails with the system's text.
TEST_F(QtSettingsStore, UnwritableStoreIsReported)
{
    std::ofstream(folder / "blocked") << "x";
    QtSettingsBackend backend(Path("blocked/Curvix.conf"));
    AppSettings settings(backend);
    EXPECT_TRUE(settings.LoadSettings(SettingAll));
    EXPECT_FALSE(settings.SaveSettings(SettingAll));
    EXPECT_NE(settings.LastError().find("accessing its registry settings:\n\n>> "), std::string::npos);
    EXPECT_EQ(settings.LastError().find(">> \n"), std::string::npos);
}

TEST_F(QtSettingsStore, UnreadableStoreIsReportedAndNothingIsRead)
{
    std::filesystem::create_directory(folder / "folder.conf");
    std::ofstream(folder / "damaged.conf") << "[Settings\n\x01=\"\n[[[\n";
    const std::pair<const char*, const char*> rows[] = {
        {"folder.conf", ">> Is a directory\n"},
        {"damaged.conf", ">> The settings file is damaged.\n"},
    };
    for (const auto& [name, text] : rows) {
        SCOPED_TRACE(name);
        QtSettingsBackend backend(Path(name));
        AppSettings settings(backend);
        settings.GridSize = 2;
        EXPECT_FALSE(settings.LoadSettings(SettingAll));
        EXPECT_NE(settings.LastError().find(text), std::string::npos) << settings.LastError();
        EXPECT_EQ(settings.GridSize, 2);
    }
}

}  // namespace

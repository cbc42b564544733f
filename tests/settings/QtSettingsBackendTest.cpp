#include "model/AppSettings.h"
#include "settings/QtSettingsBackend.h"

#include <gtest/gtest.h>

#include <QSettings>

#include <filesystem>
#include <fstream>

namespace {

const std::filesystem::path kFolder = std::filesystem::temp_directory_path() / "curvix-settings-tests";

QString Path(const char* name) { return QString::fromStdString((kFolder / name).string()); }

// A missing store is a first start; numbers and byte values are written to
// the Settings group and read back.
TEST(QtSettingsStore, MissingStoreIsWrittenOnSaveAndReadBack)
{
    std::filesystem::remove_all(kFolder / "first"), std::filesystem::create_directories(kFolder / "first");
    QtSettingsBackend backend(Path("first/Curvix.conf"));
    AppSettings settings(backend);
    EXPECT_TRUE(settings.LoadSettings(SettingAll) && settings.LastError().empty());
    settings.ShowGrid = false, settings.GridSize = 2, settings.defaultCoordSystem.polarRange.to = 8;
    settings.windowPlacement = {44, 0, 1, {}, {}, {10, 20, 810, 620}}, settings.customColors[15] = 0x00ABCDEF;
    EXPECT_TRUE(settings.SaveSettings(SettingAll));
    AppSettings back(backend);
    EXPECT_TRUE(back.LoadSettings(SettingAll));
    EXPECT_TRUE(!back.ShowGrid && back.GridSize == 2 && back.customColors[15] == 0x00ABCDEFu);
    EXPECT_FALSE(back.defaultCoordSystem.Differs(settings.defaultCoordSystem));
    EXPECT_EQ(back.windowPlacement.GetImage(), settings.windowPlacement.GetImage());

    QSettings raw(Path("first/Curvix.conf"), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Settings/DefCS").toByteArray().size(), 104);
    std::filesystem::remove_all(kFolder / "first");
}

// A store that cannot be read is reported and nothing is read; one whose
// folder is a file loads as a first start, and saving it fails with the
// system's text.
TEST(QtSettingsStore, UnusableStoresAreReported)
{
    std::filesystem::remove_all(kFolder / "bad"), std::filesystem::create_directories(kFolder / "bad/folder.conf");
    std::ofstream(kFolder / "bad/damaged.conf") << "[Settings\n\x01=\"\n[[[\n";
    std::ofstream(kFolder / "bad/blocked") << "x";
    const std::tuple<const char*, bool, const char*> rows[] = {
        {"bad/folder.conf", false, ">> Is a directory\n"},
        {"bad/damaged.conf", false, ">> The settings file is damaged.\n"},
        {"bad/blocked/Curvix.conf", true, "accessing its registry settings:\n\n>> "},
    };
    for (const auto& [name, loads, text] : rows) {
        QtSettingsBackend backend(Path(name));
        AppSettings settings(backend);
        settings.GridSize = 2;
        EXPECT_EQ(settings.LoadSettings(SettingAll), loads) << name;
        EXPECT_EQ(settings.GridSize, loads ? 0 : 2) << name;
        EXPECT_FALSE(loads && settings.SaveSettings(SettingAll));
        EXPECT_NE(settings.LastError().find(text), std::string::npos) << settings.LastError();
        EXPECT_EQ(settings.LastError().find(">> \n"), std::string::npos);
    }
    std::filesystem::remove_all(kFolder / "bad");
}

}  // namespace

#include "AppSettings.h"
#include "MemorySettingsBackend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const char* const kFlagNames[] = {"ShowSplash", "ShowGrid", "ShowCurrPos", "ShowLogo", "ShowToolbar",
                                  "ShowStatusbar", "OneLineCoolbar", "DrawDisabledButtonsInColor",
                                  "UseWatermarkBitmap"};

bool AppSettings::* const kFlags[] = {&AppSettings::ShowSplash, &AppSettings::ShowGrid, &AppSettings::ShowCurrPos,
                                      &AppSettings::ShowLogo, &AppSettings::ShowToolbar, &AppSettings::ShowStatusbar,
                                      &AppSettings::OneLineCoolbar, &AppSettings::DrawDisabledButtonsInColor,
                                      &AppSettings::UseWatermarkBitmap};

class Settings : public testing::Test {
protected:
    void ClearEveryField()
    {
        for (auto flag : kFlags)
            settings.*flag = false;
        settings.GridSize = 2;
        settings.defaultCoordSystem = CoordSystem();
    }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
};

void ExpectDefaultCoordSystem(const CoordSystem& cs)
{
    EXPECT_EQ(cs.left, -40);
    EXPECT_EQ(cs.top, 40);
    EXPECT_EQ(cs.right, 40);
    EXPECT_EQ(cs.bottom, -40);
    EXPECT_EQ(cs.precision, 200);
    EXPECT_FALSE(cs.xTimesPi || cs.yTimesPi || cs.paramTimesPi);
    EXPECT_FALSE(cs.paramRange.Differs(ArgRange{0, 20, 200}));
    EXPECT_TRUE(cs.polarTimesPi);
    EXPECT_FALSE(cs.polarRange.Differs(ArgRange{0, 4, 200}));
}

TEST_F(Settings, EmptyStoreGivesEveryDefaultWithoutMessage)
{
    ClearEveryField();
    settings.customColors[3] = 0x123456;
    EXPECT_TRUE(settings.LoadSettings(SettingAll));
    EXPECT_EQ(settings.LastError(), "");
    for (auto flag : kFlags)
        EXPECT_TRUE(settings.*flag);
    EXPECT_EQ(settings.GridSize, 0);
    ExpectDefaultCoordSystem(settings.defaultCoordSystem);
    EXPECT_EQ(settings.windowPlacement.length, 0);
    EXPECT_EQ(settings.customColors[3], 0x123456u);  // no colours stored: left alone
}

TEST_F(Settings, DefaultsByMask)
{
    struct Row {
        int mask;
        bool AppSettings::*flag;
    } rows[] = {
        {SettingShowSplash, &AppSettings::ShowSplash},
        {SettingShowGrid, &AppSettings::ShowGrid},
        {SettingShowCurrPos, &AppSettings::ShowCurrPos},
        {SettingShowLogo, &AppSettings::ShowLogo},
        {SettingShowToolbar, &AppSettings::ShowToolbar},
        {SettingShowStatusbar, &AppSettings::ShowStatusbar},
        {SettingOneLineCoolbar, &AppSettings::OneLineCoolbar},
        {SettingUseWatermarkBitmap, &AppSettings::UseWatermarkBitmap},
        {SettingDrawDisabledButtonsInColor, &AppSettings::DrawDisabledButtonsInColor},
    };
    for (const Row& row : rows) {
        ClearEveryField();
        settings.SetDefaultSettings(row.mask);
        for (auto flag : kFlags)
            EXPECT_EQ(settings.*flag, flag == row.flag) << row.mask;
        EXPECT_EQ(settings.GridSize, 2);
    }
    ClearEveryField();
    settings.windowPlacement.length = 44;
    settings.SetDefaultSettings(SettingGridSize | SettingDefCS | SettingWndPlacement | SettingCustColors);
    EXPECT_EQ(settings.GridSize, 0);
    EXPECT_FALSE(settings.ShowGrid);
    ExpectDefaultCoordSystem(settings.defaultCoordSystem);
    EXPECT_EQ(settings.windowPlacement.length, 44);
}

TEST_F(Settings, LoadAndSaveTouchValuesInTheirOrder)
{
    EXPECT_TRUE(settings.SaveSettings(SettingAll));
    const std::vector<std::string> saved = {
        "open", "set ShowSplash", "set ShowLogo", "set ShowGrid", "set GridSize", "set ShowCurrPos",
        "set ShowToolbar", "set OneLineCoolbar", "set ShowStatusbar", "set UseWatermarkBitmap",
        "set DrawDisabledButtonsInColor", "set DefCS", "set WndPlacement", "set CustColors", "close"};
    EXPECT_EQ(backend.log, saved);

    backend.log.clear();
    EXPECT_TRUE(settings.LoadSettings(SettingAll));
    const std::vector<std::string> loaded = {
        "open", "query ShowSplash", "query ShowLogo", "query ShowGrid", "query GridSize", "query ShowCurrPos",
        "query ShowToolbar", "query ShowStatusbar", "query OneLineCoolbar", "query UseWatermarkBitmap",
        "query DrawDisabledButtonsInColor", "query DefCS", "query WndPlacement", "query CustColors", "close"};
    EXPECT_EQ(backend.log, loaded);

    backend.log.clear();
    settings.LoadSettings(SettingShowGrid | SettingDefCS);
    EXPECT_EQ(backend.log, (std::vector<std::string>{"open", "query ShowGrid", "query DefCS", "close"}));
    backend.log.clear();
    settings.SaveSettings(SettingCustColors);
    EXPECT_EQ(backend.log, (std::vector<std::string>{"open", "set CustColors", "close"}));
}

TEST_F(Settings, StoredValuesReadBack)
{
    backend.values = {{"ShowGrid", 2u}, {"ShowLogo", 0u}, {"GridSize", 1u}, {"ShowSplash", Bytes{1, 0, 0, 0}}};
    EXPECT_TRUE(settings.LoadSettings(SettingAll));
    EXPECT_TRUE(settings.ShowGrid);
    EXPECT_FALSE(settings.ShowLogo);
    EXPECT_EQ(settings.GridSize, 1);
    EXPECT_TRUE(settings.ShowSplash);  // a binary value is no number: default
    settings.SaveSettings(SettingShowGrid);
    EXPECT_EQ(std::get<std::uint32_t>(backend.values["ShowGrid"]), 1u);
}

TEST_F(Settings, BinaryValuesRoundTrip)
{
    CoordSystem& cs = settings.defaultCoordSystem;
    cs.left = -1.5;
    cs.precision = 3200;
    cs.xTimesPi = cs.yTimesPi = cs.paramTimesPi = true;
    cs.polarTimesPi = false;
    cs.paramRange = {-3, 3, 400};
    cs.polarRange = {1, 2, 1600};
    settings.windowPlacement = {44, 2, 3, {4, 5}, {6, 7}, {8, 9, 10, 11}};
    for (std::uint32_t i = 0; i < 16; ++i)
        settings.customColors[i] = i * 0x010101;
    EXPECT_TRUE(settings.SaveSettings(SettingAll));
    EXPECT_EQ(std::get<Bytes>(backend.values["DefCS"]).size(), 104u);
    EXPECT_EQ(std::get<Bytes>(backend.values["WndPlacement"]).size(), 44u);
    EXPECT_EQ(std::get<Bytes>(backend.values["CustColors"]).size(), 64u);

    AppSettings back(backend);
    EXPECT_TRUE(back.LoadSettings(SettingAll));
    EXPECT_FALSE(back.defaultCoordSystem.Differs(cs));
    EXPECT_EQ(back.windowPlacement.GetImage(), settings.windowPlacement.GetImage());
    EXPECT_EQ(back.customColors, settings.customColors);
}

TEST_F(Settings, MalformedBinaryValuesCountAsMissing)
{
    CoordSystem unusable;
    unusable.precision = 0;
    const auto image = unusable.GetImage();
    WindowPlacement noPlacement;
    noPlacement.normalPosition = {1, 2, 3, 4};
    const auto placement = noPlacement.GetImage();
    const std::pair<const char*, Bytes> rows[] = {
        {"DefCS", Bytes(105, 0)},
        {"DefCS", Bytes(100, 0)},
        {"DefCS", Bytes(image.begin(), image.end())},
        {"WndPlacement", Bytes(45, 0)},
        {"WndPlacement", Bytes(placement.begin(), placement.end())},  // saved with length 0
        {"CustColors", Bytes(63, 0)},
    };
    for (const auto& [name, bytes] : rows) {
        AppSettings loaded(backend);
        loaded.defaultCoordSystem.left = 5;
        loaded.windowPlacement.length = 44;
        backend.values = {{name, bytes}};
        EXPECT_TRUE(loaded.LoadSettings(SettingAll));
        ExpectDefaultCoordSystem(loaded.defaultCoordSystem);
        EXPECT_EQ(loaded.windowPlacement.length, 0) << name;
        EXPECT_EQ(loaded.customColors[0], 0x00FFFFFFu) << name;
    }
}

TEST_F(Settings, StoreThatCannotBeUsedIsReported)
{
    backend.openError = "Permission denied";
    settings.GridSize = 2;
    EXPECT_FALSE(settings.LoadSettings(SettingAll));
    const std::string message = "Curvix has encountered the following error while accessing its registry "
                                "settings:\n\n>> Permission denied\n\nYou may need to re-install Curvix.";
    EXPECT_EQ(settings.LastError(), message);
    EXPECT_EQ(settings.GridSize, 2);  // nothing read
    EXPECT_FALSE(settings.SaveSettings(SettingAll));
    EXPECT_TRUE(backend.values.empty());

    backend.openError.clear();
    backend.closeError = "No space left on device";
    EXPECT_FALSE(settings.SaveSettings(SettingAll));
    EXPECT_NE(settings.LastError().find(">> No space left on device"), std::string::npos);
    backend.closeError.clear();
    EXPECT_TRUE(settings.SaveSettings(SettingAll));
    EXPECT_EQ(settings.LastError(), "");
}

}  // namespace

#include "ModelTest.h"

namespace {

using Names = std::vector<std::string>;

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
        settings.windowPlacement.length = 44;
        settings.customColors[3] = 0x123456;
    }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
};

// A missing or malformed value takes its default; placement and colours
// have none (no placement is length 0, colours stay as they are).
TEST_F(Settings, MissingAndMalformedValuesTakeTheirDefaults)
{
    CoordSystem unusable;
    unusable.precision = 0;
    const auto image = unusable.GetImage();
    WindowPlacement noPlacement;  // saved with length 0
    noPlacement.normalPosition = {1, 2, 3, 4};
    const auto placement = noPlacement.GetImage();
    const std::pair<const char*, MemorySettingsBackend::Value> rows[] = {
        {"none", 0u}, {"ShowGrid", 2u},  // any number but 0 is true
        {"ShowSplash", Bytes{1, 0, 0, 0}}, {"GridSize", Bytes{1, 0, 0, 0}},
        {"DefCS", Bytes(105, 0)}, {"DefCS", Bytes(100, 0)}, {"DefCS", 1u}, {"DefCS", Bytes(image.begin(), image.end())},
        {"WndPlacement", Bytes(45, 0)}, {"WndPlacement", Bytes(placement.begin(), placement.end())},
        {"CustColors", Bytes(63, 0)},
    };
    for (const auto& [name, value] : rows) {
        SCOPED_TRACE(name);
        ClearEveryField();
        backend.values = {{name, value}};
        EXPECT_TRUE(settings.LoadSettings(SettingAll));
        EXPECT_EQ(settings.LastError(), "");
        for (auto flag : kFlags)
            EXPECT_TRUE(settings.*flag);
        EXPECT_EQ(settings.GridSize, 0);
        EXPECT_FALSE(settings.defaultCoordSystem.Differs(AppDefault()));
        EXPECT_EQ(settings.windowPlacement.length, 0);
        EXPECT_EQ(settings.customColors[3], 0x123456u);
    }
}

// Each mask bit resets its own value only.
TEST_F(Settings, DefaultsByMask)
{
    const std::pair<int, bool AppSettings::*> rows[] = {
        {SettingShowSplash, &AppSettings::ShowSplash},       {SettingShowGrid, &AppSettings::ShowGrid},
        {SettingShowCurrPos, &AppSettings::ShowCurrPos},     {SettingShowLogo, &AppSettings::ShowLogo},
        {SettingShowToolbar, &AppSettings::ShowToolbar},     {SettingShowStatusbar, &AppSettings::ShowStatusbar},
        {SettingOneLineCoolbar, &AppSettings::OneLineCoolbar},
        {SettingUseWatermarkBitmap, &AppSettings::UseWatermarkBitmap},
        {SettingDrawDisabledButtonsInColor, &AppSettings::DrawDisabledButtonsInColor},
    };
    for (const auto& [mask, field] : rows) {
        SCOPED_TRACE(mask);
        ClearEveryField();
        settings.SetDefaultSettings(mask);
        for (auto flag : kFlags)
            EXPECT_EQ(settings.*flag, flag == field);
        EXPECT_EQ(settings.GridSize, 2);
        EXPECT_TRUE(settings.defaultCoordSystem.Differs(AppDefault()));
    }
    ClearEveryField();
    settings.SetDefaultSettings(SettingGridSize | SettingDefCS | SettingWndPlacement | SettingCustColors);
    EXPECT_EQ(settings.GridSize, 0);
    EXPECT_FALSE(settings.ShowGrid);
    EXPECT_FALSE(settings.defaultCoordSystem.Differs(AppDefault()));
    EXPECT_EQ(settings.windowPlacement.length, 44);
    EXPECT_EQ(settings.customColors[3], 0x123456u);
}

TEST_F(Settings, LoadAndSaveTouchValuesInTheirOrder)
{
    EXPECT_TRUE(settings.SaveSettings(SettingAll));
    EXPECT_EQ(backend.log, (Names{"open", "set ShowSplash", "set ShowLogo", "set ShowGrid", "set GridSize",
                                  "set ShowCurrPos", "set ShowToolbar", "set OneLineCoolbar", "set ShowStatusbar",
                                  "set UseWatermarkBitmap", "set DrawDisabledButtonsInColor", "set DefCS",
                                  "set WndPlacement", "set CustColors", "close"}));
    backend.log.clear();
    EXPECT_TRUE(settings.LoadSettings(SettingAll));
    EXPECT_EQ(backend.log, (Names{"open", "query ShowSplash", "query ShowLogo", "query ShowGrid", "query GridSize",
                                  "query ShowCurrPos", "query ShowToolbar", "query ShowStatusbar",
                                  "query OneLineCoolbar", "query UseWatermarkBitmap",
                                  "query DrawDisabledButtonsInColor", "query DefCS", "query WndPlacement",
                                  "query CustColors", "close"}));
    backend.log.clear();
    settings.LoadSettings(SettingShowGrid | SettingDefCS);
    EXPECT_EQ(backend.log, (Names{"open", "query ShowGrid", "query DefCS", "close"}));
    backend.log.clear();
    settings.SaveSettings(SettingCustColors);
    EXPECT_EQ(backend.log, (Names{"open", "set CustColors", "close"}));
}

// Every value differs from its default, so a value not written or not read
// back shows.
TEST_F(Settings, EveryValueRoundTrips)
{
    ClearEveryField();
    settings.GridSize = 1;
    CoordSystem& cs = settings.defaultCoordSystem;
    cs.left = -1.5;
    cs.precision = 3200;
    cs.xTimesPi = cs.yTimesPi = cs.paramTimesPi = true;
    cs.paramRange = {-3, 3, 400};
    cs.polarRange = {1, 2, 1600};
    settings.windowPlacement = {44, 2, 3, {4, 5}, {6, 7}, {8, 9, 10, 11}};
    for (std::uint32_t i = 0; i < 16; ++i)
        settings.customColors[i] = i * 0x010101;
    EXPECT_TRUE(settings.SaveSettings(SettingAll));
    EXPECT_EQ(std::get<std::uint32_t>(backend.values["GridSize"]), 1u);
    EXPECT_EQ(std::get<Bytes>(backend.values["DefCS"]).size(), 104u);
    EXPECT_EQ(std::get<Bytes>(backend.values["WndPlacement"]).size(), 44u);
    EXPECT_EQ(std::get<Bytes>(backend.values["CustColors"]).size(), 64u);

    AppSettings back(backend);
    EXPECT_TRUE(back.LoadSettings(SettingAll));
    for (auto flag : kFlags)
        EXPECT_FALSE(back.*flag);
    EXPECT_EQ(back.GridSize, 1);
    EXPECT_FALSE(back.defaultCoordSystem.Differs(cs));
    EXPECT_EQ(back.windowPlacement.GetImage(), settings.windowPlacement.GetImage());
    EXPECT_EQ(back.customColors, settings.customColors);
}

TEST_F(Settings, StoreThatCannotBeUsedIsReported)
{
    backend.openError = "Permission denied";
    settings.GridSize = 2;
    EXPECT_FALSE(settings.LoadSettings(SettingAll));
    EXPECT_EQ(settings.LastError(), "Curvix has encountered the following error while accessing its registry "
                                    "settings:\n\n>> Permission denied\n\nYou may need to re-install Curvix.");
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

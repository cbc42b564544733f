#include "ModelTest.h"

namespace {

const std::pair<int, bool AppSettings::*> kFlags[] = {
    {SettingShowSplash, &AppSettings::ShowSplash},       {SettingShowGrid, &AppSettings::ShowGrid},
    {SettingShowCurrPos, &AppSettings::ShowCurrPos},     {SettingShowLogo, &AppSettings::ShowLogo},
    {SettingShowToolbar, &AppSettings::ShowToolbar},     {SettingShowStatusbar, &AppSettings::ShowStatusbar},
    {SettingOneLineCoolbar, &AppSettings::OneLineCoolbar},
    {SettingUseWatermarkBitmap, &AppSettings::UseWatermarkBitmap},
    {SettingDrawDisabledButtonsInColor, &AppSettings::DrawDisabledButtonsInColor},
};

using Settings = DocumentFixture;

void ClearEveryField(AppSettings& settings)
{
    for (auto [mask, flag] : kFlags)
        settings.*flag = false;
    settings.GridSize = 2, settings.defaultCoordSystem = CoordSystem();
    settings.windowPlacement.length = 44, settings.customColors[3] = 0x123456;
}

// A missing or malformed value takes its default; placement and colours
// have none (no placement is length 0, colours stay as they are).
TEST_F(Settings, MissingAndMalformedValuesTakeTheirDefaults)
{
    CoordSystem unusable;
    unusable.precision = 0;
    const auto image = unusable.GetImage();
    const auto placement = WindowPlacement().GetImage();  // saved with length 0
    const std::pair<const char*, MemorySettingsBackend::Value> rows[] = {
        {"none", 0u}, {"ShowGrid", 2u},  // any number but 0 is true
        {"ShowSplash", Bytes{1, 0, 0, 0}}, {"GridSize", Bytes{1, 0, 0, 0}}, {"DefCS", Bytes(100, 0)},
        {"DefCS", 1u}, {"DefCS", Bytes(image.begin(), image.end())}, {"WndPlacement", Bytes(45, 0)},
        {"WndPlacement", Bytes(placement.begin(), placement.end())}, {"CustColors", Bytes(63, 0)},
    };
    for (const auto& [name, value] : rows) {
        SCOPED_TRACE(name);
        ClearEveryField(settings);
        backend.values = {{name, value}};
        EXPECT_TRUE(settings.LoadSettings(SettingAll) && settings.LastError().empty());
        for (auto [mask, flag] : kFlags)
            EXPECT_TRUE(settings.*flag) << mask;
        EXPECT_TRUE(settings.GridSize == 0 && settings.windowPlacement.length == 0);
        EXPECT_FALSE(settings.defaultCoordSystem.Differs(AppDefault()));
        EXPECT_EQ(settings.customColors[3], 0x123456u);
    }
}

// Each mask bit resets its own value only.
TEST_F(Settings, DefaultsByMask)
{
    for (auto [mask, field] : kFlags) {
        ClearEveryField(settings);
        settings.SetDefaultSettings(mask);
        for (auto [other, flag] : kFlags)
            EXPECT_EQ(settings.*flag, flag == field) << mask << " " << other;
        EXPECT_TRUE(settings.GridSize == 2 && settings.defaultCoordSystem.Differs(AppDefault()));
    }
    ClearEveryField(settings);
    settings.SetDefaultSettings(SettingGridSize | SettingDefCS | SettingWndPlacement | SettingCustColors);
    EXPECT_TRUE(settings.GridSize == 0 && !settings.ShowGrid && !settings.defaultCoordSystem.Differs(AppDefault()));
    EXPECT_TRUE(settings.windowPlacement.length == 44 && settings.customColors[3] == 0x123456u);
}

// Every value differs from its default, so a value not written or not read
// back shows.
TEST_F(Settings, EveryValueRoundTrips)
{
    ClearEveryField(settings);
    settings.GridSize = 1;
    CoordSystem& cs = settings.defaultCoordSystem;  // the others on the defaults
    cs.left = -1.5, cs.precision = 3200, cs.xTimesPi = cs.yTimesPi = cs.paramTimesPi = true;
    cs.paramRange = {-3, 3, 400}, cs.polarRange = {1, 2, 1600};
    settings.windowPlacement = {44, 2, 3, {4, 5}, {6, 7}, {8, 9, 10, 11}};
    for (std::uint32_t i = 0; i < 16; ++i)
        settings.customColors[i] = i * 0x010101;
    EXPECT_TRUE(settings.SaveSettings(SettingAll));
    EXPECT_TRUE(std::get<Bytes>(backend.values["DefCS"]).size() == 104
                && std::get<Bytes>(backend.values["WndPlacement"]).size() == 44
                && std::get<Bytes>(backend.values["CustColors"]).size() == 64);

    AppSettings back(backend);
    EXPECT_TRUE(back.LoadSettings(SettingAll));
    for (auto [mask, flag] : kFlags)
        EXPECT_FALSE(back.*flag) << mask;
    EXPECT_TRUE(back.GridSize == 1 && !back.defaultCoordSystem.Differs(cs));
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
    EXPECT_TRUE(!settings.SaveSettings(SettingAll) && backend.values.empty());
    backend.openError.clear();
    backend.closeError = "No space left on device";  // a failed flush fails the save
    EXPECT_FALSE(settings.SaveSettings(SettingAll));
}

}  // namespace

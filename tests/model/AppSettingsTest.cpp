#include "ModelTest.h"
#include "model/RangeValidation.h"

#include <algorithm>

namespace {

const std::pair<int, bool AppSettings::*> kFlags[] = {
    {SettingShowSplash, &AppSettings::ShowSplash},       {SettingShowGrid, &AppSettings::ShowGrid},
    {SettingShowCurrPos, &AppSettings::ShowCurrPos},     {SettingShowLogo, &AppSettings::ShowLogo},
    {SettingShowToolbar, &AppSettings::ShowToolbar},     {SettingShowStatusbar, &AppSettings::ShowStatusbar},
    {SettingOneLineCoolbar, &AppSettings::OneLineCoolbar},
    {SettingUseWatermarkBitmap, &AppSettings::UseWatermarkBitmap},
    {SettingDrawDisabledButtonsInColor, &AppSettings::DrawDisabledButtonsInColor},
    {SettingSmoothCurves, &AppSettings::SmoothCurves},  {SettingExportViewSize, &AppSettings::ExportViewSize},
};

using Settings = DocumentFixture;

void ClearEveryField(AppSettings& settings)
{
    for (auto [mask, flag] : kFlags)
        settings.*flag = false;
    settings.GridSize = 2, settings.CurveWidth = 3, settings.defaultCoordSystem = CoordSystem();
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
        ClearEveryField(m_settings);
        m_backend.values = {{name, value}};
        EXPECT_TRUE(m_settings.LoadSettings(SettingAll) && m_settings.LastError().empty());
        for (auto [mask, flag] : kFlags)
            EXPECT_TRUE(m_settings.*flag) << mask;
        EXPECT_TRUE(m_settings.GridSize == 0 && m_settings.CurveWidth == 2 && m_settings.windowPlacement.length == 0);
        EXPECT_FALSE(m_settings.defaultCoordSystem.Differs(AppDefault()));
        EXPECT_EQ(m_settings.customColors[3], 0x123456u);
    }
}

// A value the program's own pages could never have stored is replaced by its
// default and written back at once; good values are not written.
TEST_F(Settings, OutOfRangeValuesAreMendedInTheStore)
{
    const auto csImage = [](auto edit) {
        CoordSystem cs = AppDefault();
        edit(cs);
        const auto image = cs.GetImage();
        return MemorySettingsBackend::Value(Bytes(image.begin(), image.end()));
    };
    const auto placementImage = [](std::int32_t showCmd, WindowPlacement::Rect rect) {
        const auto image = WindowPlacement{44, 0, showCmd, {}, {}, rect}.GetImage();
        return MemorySettingsBackend::Value(Bytes(image.begin(), image.end()));
    };
    const WindowPlacement::Rect good{30, 40, 730, 540};
    const struct {
        const char* name;
        MemorySettingsBackend::Value stored;
        bool mended;
        int showCmd;  // of the placement read, when it is one
    } rows[] = {
        {"GridSize", 4294967295u, true, 0},
        {"GridSize", 3u, true, 0},
        {"GridSize", 2u, false, 0},
        {"CurveWidth", 0u, true, 0},
        {"CurveWidth", 4u, true, 0},
        {"CurveWidth", 1u, false, 0},
        {"CurveWidth", 3u, false, 0},
        {"ExportFormat", 3u, true, 0},
        {"ExportFormat", 2u, false, 0},
        {"ExportWidth", 0u, true, 0},
        {"ExportWidth", 16385u, true, 0},
        {"ExportWidth", 16384u, false, 0},
        {"ExportHeight", 4294967295u, true, 0},
        {"ExportHeight", 1u, false, 0},
        {"ExportScale", 0u, true, 0},
        {"ExportScale", 4u, true, 0},
        {"ExportScale", 3u, false, 0},
        {"DefCS", csImage([](CoordSystem& cs) { cs.precision = 2147483647; }), true, 0},
        {"DefCS", csImage([](CoordSystem& cs) { cs.left = -1e7, cs.right = 1e7; }), true, 0},
        {"DefCS", csImage([](CoordSystem& cs) { cs.top = -50; }), true, 0},
        {"DefCS", csImage([](CoordSystem& cs) { cs.paramRange = {5, 1, 200}; }), true, 0},
        {"DefCS", csImage([](CoordSystem& cs) { cs.polarRange = {0, 1e6, 200}; }), true, 0},
        {"DefCS", csImage([](CoordSystem& cs) { cs.left = -20, cs.right = 30, cs.precision = 800; }), false, 0},
        {"WndPlacement", placementImage(0, good), true, SW_SHOWNORMAL},
        {"WndPlacement", placementImage(99, good), true, SW_SHOWNORMAL},
        {"WndPlacement", placementImage(SW_SHOWMAXIMIZED, good), false, SW_SHOWMAXIMIZED},
        {"WndPlacement", placementImage(SW_SHOWNORMAL, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}), true, 0},
        {"WndPlacement", placementImage(SW_SHOWNORMAL, {100, 40, 30, 540}), true, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.name << " row " << (&row - rows));
        m_backend.values = {{row.name, row.stored}};
        m_backend.log.clear();
        ASSERT_TRUE(m_settings.LoadSettings(SettingAll));
        const bool written = std::count(m_backend.log.begin(), m_backend.log.end(), std::string("set ") + row.name) > 0;
        EXPECT_EQ(written, row.mended);
        EXPECT_TRUE(m_settings.GridSize >= 0 && m_settings.GridSize <= 2);
        EXPECT_TRUE(m_settings.CurveWidth >= 1 && m_settings.CurveWidth <= 3);
        EXPECT_TRUE(m_settings.ExportFormat >= 0 && m_settings.ExportFormat <= 2 && m_settings.ExportScale >= 1
                    && m_settings.ExportScale <= 3 && m_settings.ExportWidth >= 1 && m_settings.ExportWidth <= 16384
                    && m_settings.ExportHeight >= 1 && m_settings.ExportHeight <= 16384);
        EXPECT_FALSE(RangeValidation::CheckStoredCoordSystem(m_settings.defaultCoordSystem));
        EXPECT_EQ(m_settings.windowPlacement.showCmd, row.showCmd);
        // What was written back reads as it was mended, and is left alone then.
        m_backend.log.clear();
        ASSERT_TRUE(m_settings.LoadSettings(SettingAll));
        EXPECT_EQ(std::count(m_backend.log.begin(), m_backend.log.end(), std::string("set ") + row.name), 0);
    }
}

// Each mask bit resets its own value only.
TEST_F(Settings, DefaultsByMask)
{
    for (auto [mask, field] : kFlags) {
        ClearEveryField(m_settings);
        m_settings.SetDefaultSettings(mask);
        for (auto [other, flag] : kFlags)
            EXPECT_EQ(m_settings.*flag, flag == field) << mask << " " << other;
        EXPECT_TRUE(m_settings.GridSize == 2 && m_settings.CurveWidth == 3
                    && m_settings.defaultCoordSystem.Differs(AppDefault()));
    }
    ClearEveryField(m_settings);
    m_settings.SetDefaultSettings(SettingGridSize | SettingCurveWidth | SettingDefCS | SettingWndPlacement
                                | SettingCustColors);
    EXPECT_TRUE(m_settings.GridSize == 0 && m_settings.CurveWidth == 2 && !m_settings.ShowGrid && !m_settings.defaultCoordSystem.Differs(AppDefault()));
    EXPECT_TRUE(m_settings.windowPlacement.length == 44 && m_settings.customColors[3] == 0x123456u);
}

// Every value differs from its default, so a value not written or not read
// back shows.
TEST_F(Settings, EveryValueRoundTrips)
{
    ClearEveryField(m_settings);
    m_settings.GridSize = 1, m_settings.CurveWidth = 1;
    CoordSystem& cs = m_settings.defaultCoordSystem;  // the others on the defaults
    cs.left = -1.5, cs.precision = 3200, cs.xTimesPi = cs.yTimesPi = cs.paramTimesPi = true;
    cs.paramRange = {-3, 3, 400}, cs.polarRange = {1, 2, 1600};
    m_settings.windowPlacement = {44, 2, 3, {4, 5}, {6, 7}, {8, 9, 10, 11}};
    for (std::uint32_t i = 0; i < 16; ++i)
        m_settings.customColors[i] = i * 0x010101;
    EXPECT_TRUE(m_settings.SaveSettings(SettingAll));
    EXPECT_TRUE(std::get<Bytes>(m_backend.values["DefCS"]).size() == 104
                && std::get<Bytes>(m_backend.values["WndPlacement"]).size() == 44
                && std::get<Bytes>(m_backend.values["CustColors"]).size() == 64);

    AppSettings back(m_backend);
    EXPECT_TRUE(back.LoadSettings(SettingAll));
    for (auto [mask, flag] : kFlags)
        EXPECT_FALSE(back.*flag) << mask;
    EXPECT_TRUE(back.GridSize == 1 && back.CurveWidth == 1 && !back.defaultCoordSystem.Differs(cs));
    EXPECT_EQ(back.windowPlacement.GetImage(), m_settings.windowPlacement.GetImage());
    EXPECT_EQ(back.customColors, m_settings.customColors);
}

TEST_F(Settings, StoreThatCannotBeUsedIsReported)
{
    m_backend.openError = "Permission denied";
    m_settings.GridSize = 2;
    EXPECT_FALSE(m_settings.LoadSettings(SettingAll));
    EXPECT_EQ(m_settings.LastError(), "Curvix has encountered the following error while accessing its registry "
                                    "settings:\n\n>> Permission denied\n\nYou may need to re-install Curvix.");
    EXPECT_EQ(m_settings.GridSize, 2);  // nothing read
    EXPECT_TRUE(!m_settings.SaveSettings(SettingAll) && m_backend.values.empty());
    m_backend.openError.clear();
    m_backend.closeError = "No space left on device";  // a failed flush fails the save
    EXPECT_FALSE(m_settings.SaveSettings(SettingAll));
}

}  // namespace

#include "model/AppSettings.h"

#include "model/AppStringFormat.h"
#include "model/Archive.h"
#include "model/RangeValidation.h"
#include "model/SettingsBackend.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// A value kept in the store as a 32-bit number: a flag (any value other
// than 0 reads as true, written as 0 or 1) or a number with its default and
// the range the settings page can produce.
struct DwordSetting {
    int bit;
    const char* name;
    bool AppSettings::*flag;
    std::int32_t AppSettings::*number;
    std::int32_t defaultNumber = 0;
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
};

constexpr DwordSetting kShowSplash{SettingShowSplash, "ShowSplash", &AppSettings::ShowSplash, nullptr};
constexpr DwordSetting kShowLogo{SettingShowLogo, "ShowLogo", &AppSettings::ShowLogo, nullptr};
constexpr DwordSetting kShowGrid{SettingShowGrid, "ShowGrid", &AppSettings::ShowGrid, nullptr};
constexpr DwordSetting kGridSize{SettingGridSize, "GridSize", nullptr, &AppSettings::GridSize, 0, 0, 2};
constexpr DwordSetting kShowCurrPos{SettingShowCurrPos, "ShowCurrPos", &AppSettings::ShowCurrPos, nullptr};
constexpr DwordSetting kShowToolbar{SettingShowToolbar, "ShowToolbar", &AppSettings::ShowToolbar, nullptr};
constexpr DwordSetting kShowStatusbar{SettingShowStatusbar, "ShowStatusbar", &AppSettings::ShowStatusbar, nullptr};
constexpr DwordSetting kOneLineCoolbar{SettingOneLineCoolbar, "OneLineCoolbar", &AppSettings::OneLineCoolbar, nullptr};
constexpr DwordSetting kUseWatermarkBitmap{SettingUseWatermarkBitmap, "UseWatermarkBitmap",
                                           &AppSettings::UseWatermarkBitmap, nullptr};
constexpr DwordSetting kDrawDisabledButtonsInColor{SettingDrawDisabledButtonsInColor, "DrawDisabledButtonsInColor",
                                                   &AppSettings::DrawDisabledButtonsInColor, nullptr};
constexpr DwordSetting kSmoothCurves{SettingSmoothCurves, "SmoothCurves", &AppSettings::SmoothCurves, nullptr};
constexpr DwordSetting kCurveWidth{SettingCurveWidth, "CurveWidth", nullptr, &AppSettings::CurveWidth, 2, 1, 3};
constexpr DwordSetting kExportFormat{SettingExportFormat, "ExportFormat", nullptr, &AppSettings::ExportFormat, 0, 0, 2};
constexpr DwordSetting kExportViewSize{SettingExportViewSize, "ExportViewSize", &AppSettings::ExportViewSize, nullptr};
constexpr DwordSetting kExportWidth{SettingExportWidth, "ExportWidth", nullptr, &AppSettings::ExportWidth, 800, 1,
                                    16384};
constexpr DwordSetting kExportHeight{SettingExportHeight, "ExportHeight", nullptr, &AppSettings::ExportHeight, 600, 1,
                                     16384};
constexpr DwordSetting kExportScale{SettingExportScale, "ExportScale", nullptr, &AppSettings::ExportScale, 1, 1, 3};

// Reading and writing take the values in slightly different orders.
constexpr DwordSetting kLoadOrder[] = {kShowSplash, kShowLogo, kShowGrid, kGridSize, kShowCurrPos,
                                       kShowToolbar, kShowStatusbar, kOneLineCoolbar,
                                       kUseWatermarkBitmap, kDrawDisabledButtonsInColor,
                                       kSmoothCurves, kCurveWidth, kExportFormat, kExportViewSize,
                                       kExportWidth, kExportHeight, kExportScale};
constexpr DwordSetting kSaveOrder[] = {kShowSplash, kShowLogo, kShowGrid, kGridSize, kShowCurrPos,
                                       kShowToolbar, kOneLineCoolbar, kShowStatusbar,
                                       kUseWatermarkBitmap, kDrawDisabledButtonsInColor,
                                       kSmoothCurves, kCurveWidth, kExportFormat, kExportViewSize,
                                       kExportWidth, kExportHeight, kExportScale};

constexpr const char* kDefCS = "DefCS";
constexpr const char* kWndPlacement = "WndPlacement";
constexpr const char* kCustColors = "CustColors";
constexpr const char* kExportFolder = "ExportFolder";
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr size_t kCustColorsSize = 64;

CoordSystem DefaultCoordSystem()
{
    CoordSystem cs;
    cs.left = -40.0;
    cs.top = 40.0;
    cs.right = 40.0;
    cs.bottom = -40.0;
    cs.precision = 200;
    cs.paramRange = {0.0, 20.0, 200};
    cs.polarTimesPi = true;
    cs.polarRange = {0.0, 4.0, 200};
    return cs;
}

// A binary value of exactly size bytes; any other size counts as missing.
std::optional<std::vector<std::uint8_t>> QueryExact(SettingsBackend& backend, const char* name, size_t size)
{
    auto value = backend.QueryBinary(name);
    if (value && value->size() != size)
        return std::nullopt;
    return value;
}

template <size_t N>
std::span<const std::uint8_t, N> Fixed(const std::vector<std::uint8_t>& bytes)
{
    return std::span<const std::uint8_t, N>(bytes.data(), N);
}

template <size_t N>
std::vector<std::uint8_t> Bytes(const std::array<std::uint8_t, N>& image)
{
    return {image.begin(), image.end()};
}

}  // namespace

AppSettings::AppSettings(SettingsBackend& store) : m_backend(store)
{
    customColors.fill(kWhite);
    SetDefaultSettings(SettingAll);
}

void AppSettings::SetDefaultSettings(int mask)
{
    for (const DwordSetting& setting : kLoadOrder) {
        if (!(mask & setting.bit))
            continue;
        if (setting.flag)
            this->*setting.flag = true;
        else
            this->*setting.number = setting.defaultNumber;
    }
    if (mask & SettingDefCS)
        defaultCoordSystem = DefaultCoordSystem();
    if (mask & SettingExportFolder)
        ExportFolder.clear();
}

// Values read from the store that the program's own pages could never have
// produced are replaced and written back at once, so that a damaged store
// mends itself instead of being carried from session to session.
bool AppSettings::LoadSettings(int mask)
{
    std::string errorText;
    if (!m_backend.Open(errorText))
        return Fail(errorText);
    const int repaired = LoadValues(mask);
    SaveValues(repaired);
    if (!m_backend.Close(errorText) && repaired)
        return Fail(errorText);
    m_lastError.clear();
    return true;
}

int AppSettings::LoadValues(int mask)
{
    int repaired = 0;
    for (const DwordSetting& setting : kLoadOrder) {
        if (!(mask & setting.bit))
            continue;
        const auto value = m_backend.QueryDword(setting.name);
        if (!value)
            SetDefaultSettings(setting.bit);
        else if (setting.flag)
            this->*setting.flag = *value != 0;
        else
            this->*setting.number = static_cast<std::int32_t>(*value);
    }
    for (const DwordSetting& setting : kLoadOrder) {
        if (!(mask & setting.bit) || !setting.number)
            continue;
        const std::int32_t value = this->*setting.number;
        if (value < setting.lowest || value > setting.highest) {
            SetDefaultSettings(setting.bit);
            repaired |= setting.bit;
        }
    }
    if ((mask & SettingDefCS) && !LoadDefaultCoordSystem())
        repaired |= SettingDefCS;
    if ((mask & SettingWndPlacement) && !LoadWindowPlacement())
        repaired |= SettingWndPlacement;
    if (mask & SettingExportFolder) {
        const auto bytes = m_backend.QueryBinary(kExportFolder);
        ExportFolder = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }
    if (mask & SettingCustColors) {
        if (const auto bytes = QueryExact(m_backend, kCustColors, kCustColorsSize)) {
            Archive archive(*bytes, {});
            for (std::uint32_t& color : customColors)
                color = archive.ReadDword();
        }
    }
    return repaired;
}

// A damaged image would give documents edges or precisions that the
// computation cannot work with, and one the pages would refuse could not be
// edited back: either counts as missing. False when a stored image was
// replaced.
bool AppSettings::LoadDefaultCoordSystem()
{
    const auto image = QueryExact(m_backend, kDefCS, CoordSystem::kImageSize);
    CoordSystem cs;
    if (image)
        cs.SetFromImage(Fixed<CoordSystem::kImageSize>(*image));
    if (image && cs.IsUsable() && !RangeValidation::CheckStoredCoordSystem(cs)) {
        defaultCoordSystem = cs;
        return true;
    }
    SetDefaultSettings(SettingDefCS);
    return !image;
}

// False when a stored record had to be mended.
bool AppSettings::LoadWindowPlacement()
{
    const auto image = QueryExact(m_backend, kWndPlacement, WindowPlacement::kImageSize);
    if (image)
        windowPlacement.SetFromImage(Fixed<WindowPlacement::kImageSize>(*image));
    // A record saved without a placement (length 0) is no placement.
    if (!image || windowPlacement.length != static_cast<std::int32_t>(WindowPlacement::kImageSize)) {
        windowPlacement = WindowPlacement();
        return true;
    }
    return !windowPlacement.Repair();
}

bool AppSettings::SaveSettings(int mask)
{
    std::string errorText;
    if (!m_backend.Open(errorText))
        return Fail(errorText);
    SaveValues(mask);
    if (!m_backend.Close(errorText))
        return Fail(errorText);
    m_lastError.clear();
    return true;
}

void AppSettings::SaveValues(int mask)
{
    for (const DwordSetting& setting : kSaveOrder) {
        if (!(mask & setting.bit))
            continue;
        const auto value = setting.flag ? std::uint32_t{this->*setting.flag}
                                        : static_cast<std::uint32_t>(this->*setting.number);
        m_backend.SetDword(setting.name, value);
    }
    if (mask & SettingDefCS)
        m_backend.SetBinary(kDefCS, Bytes(defaultCoordSystem.GetImage()));
    if (mask & SettingWndPlacement)
        m_backend.SetBinary(kWndPlacement, Bytes(windowPlacement.GetImage()));
    if (mask & SettingExportFolder)
        m_backend.SetBinary(kExportFolder, {ExportFolder.begin(), ExportFolder.end()});
    if (mask & SettingCustColors) {
        Archive archive;
        for (std::uint32_t color : customColors)
            archive.WriteDword(color);
        m_backend.SetBinary(kCustColors, archive.Bytes());
    }
}

bool AppSettings::Fail(const std::string& systemText)
{
    m_lastError = FormatAppString(StringId::SettingsError, systemText);
    return false;
}

#pragma once

#include "model/CoordSystem.h"
#include "model/WindowPlacement.h"

#include <array>
#include <cstdint>
#include <string>

class SettingsBackend;

// Bits of the mask that selects the values LoadSettings, SaveSettings and
// SetDefaultSettings handle; SettingAll selects every value.
enum SettingsMaskBit : int {
    SettingShowSplash = 0x0001,
    SettingShowGrid = 0x0002,
    SettingShowCurrPos = 0x0004,
    SettingDefCS = 0x0008,
    SettingCustColors = 0x0010,
    SettingGridSize = 0x0020,
    SettingShowLogo = 0x0040,
    SettingWndPlacement = 0x0080,
    SettingShowToolbar = 0x0100,
    SettingShowStatusbar = 0x0200,
    SettingOneLineCoolbar = 0x0400,
    SettingUseWatermarkBitmap = 0x0800,
    SettingDrawDisabledButtonsInColor = 0x1000,
    SettingSmoothCurves = 0x2000,
    SettingCurveWidth = 0x4000,
    SettingExportFormat = 0x8000,
    SettingExportViewSize = 0x10000,
    SettingExportWidth = 0x20000,
    SettingExportHeight = 0x40000,
    SettingExportScale = 0x80000,
    SettingExportFolder = 0x100000,
    SettingAll = -1,
};

// The program's preferences, the default coordinate system of new documents,
// the main window's placement and the colour chooser's custom colours, kept
// in a settings store. A new object holds every default.
class AppSettings {
public:
    explicit AppSettings(SettingsBackend& backend);
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;
    virtual ~AppSettings() = default;

    // Reads the selected values; a value that is missing or malformed takes
    // its default, and one the program's pages would refuse takes its
    // default and is written back. False when the store cannot be opened
    // (or a mended value cannot be written): LastError() then holds the
    // message to show (string 3164).
    bool LoadSettings(int mask);
    // Writes the selected values. False when the store cannot be opened or
    // written, with the message in LastError().
    bool SaveSettings(int mask);
    // Sets the selected values to their defaults. The custom colours and the
    // window placement have none and are left alone.
    void SetDefaultSettings(int mask);
    const std::string& LastError() const { return m_lastError; }

    bool ShowSplash = true;
    bool ShowGrid = true;
    bool ShowCurrPos = true;
    bool ShowLogo = true;
    std::int32_t GridSize = 0;  // 0 small, 1 normal, 2 large
    bool ShowToolbar = true;
    bool ShowStatusbar = true;
    bool OneLineCoolbar = true;
    bool DrawDisabledButtonsInColor = true;
    bool UseWatermarkBitmap = true;
    bool SmoothCurves = true;   // curves drawn anti-aliased
    std::int32_t CurveWidth = 2;  // curve pen in device-independent pixels, 1 to 3
    // The last picture export: format (0 PNG, 1 SVG, 2 PDF), the view's
    // size or width and height in pixels (1 to 16384), scale (1 to 3) and
    // the folder (UTF-8; empty for none yet).
    std::int32_t ExportFormat = 0;
    bool ExportViewSize = true;
    std::int32_t ExportWidth = 800;
    std::int32_t ExportHeight = 600;
    std::int32_t ExportScale = 1;
    std::string ExportFolder;
    CoordSystem defaultCoordSystem;
    WindowPlacement windowPlacement;
    // The colour chooser's 16 custom colours (0x00BBGGRR); the window copies
    // them into its colour dialog and back. White until the store has some.
    std::array<std::uint32_t, 16> customColors;

private:
    // The bits of the values that were mended.
    int LoadValues(int mask);
    bool LoadDefaultCoordSystem();
    bool LoadWindowPlacement();
    void SaveValues(int mask);
    bool Fail(const std::string& systemText);

    SettingsBackend& m_backend;
    std::string m_lastError;
};

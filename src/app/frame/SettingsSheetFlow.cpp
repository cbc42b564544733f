#include "app/frame/SettingsSheetFlow.h"

#include "model/AppSettings.h"
#include "kit/CAdvPropertySheet.h"
#include "app/CSettingsViewPage.h"
#include "kit/MessageBoxStyle.h"

bool EditApplicationSettings(QWidget* parent, AppSettings& settings)
{
    CAdvPropertySheet sheet(StringId::SettingsCaption, parent);
    auto* page = new CSettingsViewPage;
    page->showCurrPos = settings.ShowCurrPos;
    page->gridSize = settings.GridSize;
    page->showGrid = settings.ShowGrid;
    page->showSplash = settings.ShowSplash;
    page->showLogo = settings.ShowLogo;
    page->drawDisabledButtonsInColor = settings.DrawDisabledButtonsInColor;
    page->useWatermark = settings.UseWatermarkBitmap;
    page->smoothCurves = settings.SmoothCurves;
    page->curveWidth = settings.CurveWidth;
    sheet.AddPage(page);
    if (sheet.DoModal() != IDOK)
        return false;
    settings.ShowCurrPos = page->showCurrPos;
    settings.GridSize = page->gridSize;
    settings.ShowGrid = page->showGrid;
    settings.ShowSplash = page->showSplash;
    settings.ShowLogo = page->showLogo;
    settings.DrawDisabledButtonsInColor = page->drawDisabledButtonsInColor;
    settings.UseWatermarkBitmap = page->useWatermark;
    settings.SmoothCurves = page->smoothCurves;
    settings.CurveWidth = page->curveWidth;
    return true;
}

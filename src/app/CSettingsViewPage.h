#pragma once

#include "kit/CPropertyPage.h"

class QButtonGroup;
class QComboBox;
class QCheckBox;
class QGroupBox;

// The "View" page of the application settings. The main frame fills the
// public fields from AppSettings before the sheet runs and stores them back
// on OK; the page writes them to its controls when first shown and reads
// them back whenever it is left.
class CSettingsViewPage : public CPropertyPage {
public:
    CSettingsViewPage();

    bool showCurrPos = false;
    int gridSize = -1;  // 0 small, 1 normal, 2 large; -1 none chosen
    bool showGrid = false;
    bool showSplash = false;
    bool showLogo = false;
    bool drawDisabledButtonsInColor = false;
    bool useWatermark = false;
    bool smoothCurves = false;
    int curveWidth = 1;  // pixels, 1 to 3

    void OnInitDialog() override;
    bool OnKillActive() override;

private:
    QCheckBox* AddCheck(QWidget* group, StringId textId, int controlId);
    void WriteControls();
    void ReadControls();
    // The grid size can be chosen only while the grid is shown.
    void EnableGridSize();

    QCheckBox* m_currPosBox;
    QCheckBox* m_gridBox;
    QCheckBox* m_splashBox;
    QCheckBox* m_logoBox;
    QCheckBox* m_colorButtonsBox;
    QCheckBox* m_watermarkBox;
    QCheckBox* m_smoothBox;
    QComboBox* m_widthList;
    QGroupBox* m_gridSizeGroup;
    QButtonGroup* m_gridSizeButtons;
};

#pragma once

#include "kit/CPropertyPage.h"

class CCoordSystemAdvancedPage;
class CoordSystem;
class PrecisionBox;
class RangeGroup;
class QPushButton;

// The General page of the coordinate-system sheet: the visible window's
// edges with their "* PI" boxes and the default precision. In the default
// coordinate-system sheet it also offers to import the current document's
// values into both pages.
class CCoordSystemGeneralPage : public CPropertyPage {
public:
    CCoordSystemGeneralPage();

    void LoadFrom(const CoordSystem& cs);
    // Writes the edges, their pi flags and the precision; nothing else.
    void StoreTo(CoordSystem& cs) const;

    void OnInitDialog() override;
    bool OnKillActive() override;

    bool importAllowed = false;
    const CoordSystem* importSource = nullptr;
    CCoordSystemAdvancedPage* advancedPage = nullptr;

private:
    void OnImport();

    RangeGroup* m_vertical;
    RangeGroup* m_horizontal;
    PrecisionBox* m_precision;
    QPushButton* m_importButton;
};

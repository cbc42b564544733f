#pragma once

#include "kit/CPropertyPage.h"
#include "model/RangeValidation.h"

class CGraphPropsGeneralPage;
class CoordSystem;
class PrecisionBox;
class RangeGroup;
class GraphItem;
class QCheckBox;
class QGroupBox;
class QLabel;

// The Advanced page of the graph sheet: the graph's own argument range and
// precision. While "Use advanced options" is off it shows, disabled, the
// coordinate system's range for the graph's kind.
class CGraphPropsAdvancedPage : public CPropertyPage {
public:
    // Edits the general page's graph; cs supplies the default ranges.
    CGraphPropsAdvancedPage(CGraphPropsGeneralPage& generalPage, const CoordSystem& cs);

    void OnInitDialog() override;
    void OnSetActive() override;
    bool OnKillActive() override;

private:
    void FillDefaults();
    void ShowAdvanced(bool on);
    void OnUseAdvancedClicked(bool on);
    void StoreRange();
    RangeValidation::Refusal CheckSize() const;

    CGraphPropsGeneralPage& generalPage;
    const CoordSystem& coordSystem;
    GraphItem& graph;
    QLabel* caption;
    QCheckBox* useAdvanced;
    QLabel* kindText;
    QLabel* argumentText;
    RangeGroup* range;
    QGroupBox* precisionGroup;
    PrecisionBox* precision;
};

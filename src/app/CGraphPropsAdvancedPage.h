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

    CGraphPropsGeneralPage& m_generalPage;
    const CoordSystem& m_coordSystem;
    GraphItem& m_graph;
    QLabel* m_caption;
    QCheckBox* m_useAdvanced;
    QLabel* m_kindText;
    QLabel* m_argumentText;
    RangeGroup* m_range;
    QGroupBox* m_precisionGroup;
    PrecisionBox* m_precision;
};

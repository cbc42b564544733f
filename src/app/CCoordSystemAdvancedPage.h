#pragma once

#include "kit/CPropertyPage.h"
#include "model/RangeValidation.h"

class CoordSystem;
class RangeGroup;

// The Advanced page of the coordinate-system sheet: the default argument
// ranges and precisions of polar and parametric graphs.
class CCoordSystemAdvancedPage : public CPropertyPage {
public:
    CCoordSystemAdvancedPage();

    void LoadFrom(const CoordSystem& cs);
    // Writes the two default ranges and their pi flags; nothing else.
    void StoreTo(CoordSystem& cs) const;

    bool OnKillActive() override;

private:
    // The refusal of one range as typed, none when it passes.
    static RangeValidation::Refusal CheckGroup(const RangeGroup& group);

    RangeGroup* m_polar;
    RangeGroup* m_parametric;
};

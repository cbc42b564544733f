#pragma once

#include "kit/CAdvPropertySheet.h"

class CCoordSystemAdvancedPage;
class CCoordSystemGeneralPage;
class CoordSystem;

// The sheet that edits a coordinate system: General page first, Advanced
// second, both filled from the coordinate system it is given.
class CoordSystemSheet : public CAdvPropertySheet {
public:
    CoordSystemSheet(StringId captionId, const CoordSystem& cs, QWidget* parent);

    // Writes both pages into cs, General first.
    void StoreTo(CoordSystem& cs) const;

    CCoordSystemGeneralPage* generalPage;
    CCoordSystemAdvancedPage* advancedPage;
};

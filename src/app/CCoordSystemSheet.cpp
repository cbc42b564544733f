#include "CCoordSystemSheet.h"

#include "CCoordSystemAdvancedPage.h"
#include "CCoordSystemGeneralPage.h"

CCoordSystemSheet::CCoordSystemSheet(StringId captionId, const CoordSystem& cs, QWidget* parent)
    : CAdvPropertySheet(captionId, parent),
      generalPage(new CCoordSystemGeneralPage),
      advancedPage(new CCoordSystemAdvancedPage)
{
    AddPage(generalPage);
    AddPage(advancedPage);
    generalPage->LoadFrom(cs);
    advancedPage->LoadFrom(cs);
}

void CCoordSystemSheet::StoreTo(CoordSystem& cs) const
{
    generalPage->StoreTo(cs);
    advancedPage->StoreTo(cs);
}

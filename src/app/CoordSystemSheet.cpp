#include "app/CoordSystemSheet.h"

#include "app/CCoordSystemAdvancedPage.h"
#include "app/CCoordSystemGeneralPage.h"

CoordSystemSheet::CoordSystemSheet(StringId captionId, const CoordSystem& cs, QWidget* parent)
    : CAdvPropertySheet(captionId, parent),
      generalPage(new CCoordSystemGeneralPage),
      advancedPage(new CCoordSystemAdvancedPage)
{
    AddPage(generalPage);
    AddPage(advancedPage);
    generalPage->LoadFrom(cs);
    advancedPage->LoadFrom(cs);
}

void CoordSystemSheet::StoreTo(CoordSystem& cs) const
{
    generalPage->StoreTo(cs);
    advancedPage->StoreTo(cs);
}

#include "CoordSystemFlows.h"

#include "AppSettings.h"
#include "CCoordSystemGeneralPage.h"
#include "CCoordSystemSheet.h"
#include "CCurvixDoc.h"
#include "MessageBoxStyle.h"

namespace {

constexpr unsigned kEditCaption = 500;
constexpr unsigned kEditDefaultCaption = 508;

}  // namespace

bool EditCoordSystem(QWidget* parent, CCurvixDoc& document)
{
    CCoordSystemSheet sheet(kEditCaption, document.coordSystem, parent);
    if (sheet.DoModal() != IDOK)
        return false;
    sheet.StoreTo(document.coordSystem);
    document.SetModifiedFlag();
    return true;
}

bool EditDefaultCoordSystem(QWidget* parent, AppSettings& settings, const CoordSystem& current)
{
    CCoordSystemSheet sheet(kEditDefaultCaption, settings.defaultCoordSystem, parent);
    sheet.generalPage->importAllowed = true;
    sheet.generalPage->importSource = &current;
    sheet.generalPage->advancedPage = sheet.advancedPage;
    if (sheet.DoModal() != IDOK)
        return false;
    sheet.StoreTo(settings.defaultCoordSystem);
    return true;
}

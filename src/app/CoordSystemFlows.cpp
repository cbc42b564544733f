#include "CoordSystemFlows.h"

#include "AppSettings.h"
#include "CCoordSystemGeneralPage.h"
#include "CoordSystemSheet.h"
#include "CCurvixDoc.h"
#include "HistoryStepNames.h"
#include "MessageBoxStyle.h"

bool EditCoordSystem(QWidget* parent, CCurvixDoc& document)
{
    CoordSystemSheet sheet(StringId::EditCoordSystemCaption, document.coordSystem, parent);
    if (sheet.DoModal() != IDOK)
        return false;
    DocumentState before = document.CaptureState();
    sheet.StoreTo(document.coordSystem);
    document.RecordStep(StringId::StepEditCoordSystem, std::move(before));
    return true;
}

bool EditDefaultCoordSystem(QWidget* parent, AppSettings& settings, const CoordSystem& current)
{
    CoordSystemSheet sheet(StringId::EditDefaultCoordSystemCaption, settings.defaultCoordSystem, parent);
    sheet.generalPage->importAllowed = true;
    sheet.generalPage->importSource = &current;
    sheet.generalPage->advancedPage = sheet.advancedPage;
    if (sheet.DoModal() != IDOK)
        return false;
    sheet.StoreTo(settings.defaultCoordSystem);
    return true;
}

#include "app/CoordSystemFlows.h"

#include "model/AppSettings.h"
#include "app/CCoordSystemGeneralPage.h"
#include "app/CoordSystemSheet.h"
#include "model/CCurvixDoc.h"
#include "model/HistoryStepNames.h"
#include "kit/MessageBoxStyle.h"

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

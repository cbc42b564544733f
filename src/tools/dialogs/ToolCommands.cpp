#include "ToolCommands.h"

#include "CAddTangentNormalDlg.h"
#include "CAdvPropertySheet.h"
#include "CCurvixDoc.h"
#include "CIntegralCalcResultsPage.h"
#include "CIntegralSelGraphPage.h"
#include "IntegralWorker.h"

namespace {

constexpr unsigned kIntegralCaption = 21000;  // "Calculate a definite integral/area of a function"

}  // namespace

void OpenIntegralTool(CCurvixDoc& doc, AppSettings&, QWidget* parent)
{
    doc.SetIntegralWorker(IntegralWorker);
    CAdvPropertySheet sheet(kIntegralCaption, parent);
    auto* selection = new CIntegralSelGraphPage(doc);
    auto* results = new CIntegralCalcResultsPage(*selection, sheet);
    sheet.closeMode = true;
    sheet.AddPage(selection);
    sheet.AddPage(results);
    sheet.DoModal();
}

bool OpenTangentTool(CCurvixDoc& doc, AppSettings& settings, QWidget* parent)
{
    CAddTangentNormalDlg dialog(doc, settings, parent);
    dialog.exec();
    return dialog.added;
}

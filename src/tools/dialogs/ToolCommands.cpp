#include "tools/dialogs/ToolCommands.h"

#include "tools/dialogs/CAddTangentNormalDlg.h"
#include "kit/CAdvPropertySheet.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "tools/dialogs/CFindPointsDlg.h"
#include "tools/dialogs/CIntegralCalcResultsPage.h"
#include "tools/dialogs/CIntegralSelGraphPage.h"
#include "tools/dialogs/CValueTableDlg.h"

void OpenIntegralTool(CCurvixDoc& doc, const GraphComputation& computation, AppSettings&, QWidget* parent)
{
    CAdvPropertySheet sheet(StringId::IntegralCaption, parent);
    auto* selection = new CIntegralSelGraphPage(doc, computation.InUse().precision);
    auto* results = new CIntegralCalcResultsPage(*selection, sheet);
    sheet.closeMode = true;
    sheet.AddPage(selection);
    sheet.AddPage(results);
    sheet.DoModal();
}

bool OpenTangentTool(CCurvixDoc& doc, const GraphComputation& computation, AppSettings& settings, QWidget* parent)
{
    CAddTangentNormalDlg dialog(doc, computation, settings, parent);
    dialog.exec();
    return dialog.added;
}

bool HasFunctionGraph(const GraphComputation& computation)
{
    for (int i = 0; i < computation.DisplayedCount(); ++i) {
        const GraphKind kind = computation.DisplayedGraph(i).kind;
        if (kind == KindYofX || kind == KindXofY)
            return true;
    }
    return false;
}

void OpenPointsTool(CCurvixDoc& doc, const GraphComputation& computation, QWidget* parent, const AnalysisViewHooks& hooks)
{
    CFindPointsDlg dialog(doc, computation, hooks, parent);
    dialog.exec();
}

void OpenValueTableTool(CCurvixDoc& doc, const GraphComputation& computation, QWidget* parent, const AnalysisViewHooks& hooks)
{
    CValueTableDlg dialog(doc, computation, hooks, parent);
    dialog.exec();
}

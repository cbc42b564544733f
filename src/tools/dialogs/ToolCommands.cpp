#include "ToolCommands.h"

#include "CAddTangentNormalDlg.h"
#include "CAdvPropertySheet.h"
#include "CCurvixDoc.h"
#include "GraphComputation.h"
#include "CFindPointsDlg.h"
#include "CIntegralCalcResultsPage.h"
#include "CIntegralSelGraphPage.h"
#include "CValueTableDlg.h"

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

#include "ToolCommands.h"

#include "CAddTangentNormalDlg.h"
#include "CAdvPropertySheet.h"
#include "CCurvixDoc.h"
#include "CFindPointsDlg.h"
#include "CIntegralCalcResultsPage.h"
#include "CIntegralSelGraphPage.h"
#include "CValueTableDlg.h"

void OpenIntegralTool(CCurvixDoc& doc, AppSettings&, QWidget* parent)
{
    CAdvPropertySheet sheet(StringId::IntegralCaption, parent);
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

bool HasFunctionGraph(const CCurvixDoc& doc)
{
    for (int i = 0; i < doc.GetDisplayedCount(); ++i) {
        const GraphKind kind = doc.GetDisplayedGraph(i).kind;
        if (kind == KindYofX || kind == KindXofY)
            return true;
    }
    return false;
}

void OpenPointsTool(CCurvixDoc& doc, QWidget* parent, const AnalysisViewHooks& hooks)
{
    CFindPointsDlg dialog(doc, hooks, parent);
    dialog.exec();
}

void OpenValueTableTool(CCurvixDoc& doc, QWidget* parent, const AnalysisViewHooks& hooks)
{
    CValueTableDlg dialog(doc, hooks, parent);
    dialog.exec();
}

#include "app/frame/CRemoveGraphDlg.h"

CRemoveGraphDlg::CRemoveGraphDlg(CCurvixDoc& doc, QWidget* parent)
    : GraphChoiceDialog(doc, {DialogId::RemoveGraph, StringId::RemoveGraphCaption, StringId::RemoveGraphPrompt, 1211, 1217,
                             StringId::RemoveAction, BitmapId::RemoveButton}, parent)
{
}

#include "app/frame/CSelectGraphDlg.h"

#include "app/CGraphListBox.h"

CSelectGraphDlg::CSelectGraphDlg(CCurvixDoc& doc, QWidget* parent)
    : GraphChoiceDialog(doc, {DialogId::SelectGraph, StringId::SelectGraphCaption, StringId::SelectGraphPrompt, 1210, 1192,
                             StringId::PropertiesAction, BitmapId::PropertiesButton}, parent)
{
    connect(&List(), &QListWidget::itemDoubleClicked, this, [this] { OnAction(); });
}

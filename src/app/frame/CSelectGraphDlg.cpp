#include "CSelectGraphDlg.h"

#include "CGraphListBox.h"

CSelectGraphDlg::CSelectGraphDlg(CCurvixDoc& doc, QWidget* parent)
    : CGraphChoiceDlg(doc, {132, 18401, 18405, 1210, 1192, 18403, 2031}, parent)
{
    connect(&List(), &QListWidget::itemDoubleClicked, this, [this] { OnAction(); });
}

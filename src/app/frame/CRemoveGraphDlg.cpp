#include "CRemoveGraphDlg.h"

CRemoveGraphDlg::CRemoveGraphDlg(CCurvixDoc& doc, QWidget* parent)
    : CGraphChoiceDlg(doc, {195, 18400, 18404, 1211, 1217, 18402, 2030}, parent)
{
}

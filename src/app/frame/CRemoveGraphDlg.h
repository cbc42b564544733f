#pragma once

#include "CGraphChoiceDlg.h"

// "Remove graph": picks the graph that the list pane then removes.
class CRemoveGraphDlg : public CGraphChoiceDlg {
public:
    CRemoveGraphDlg(CCurvixDoc& doc, QWidget* parent);
};

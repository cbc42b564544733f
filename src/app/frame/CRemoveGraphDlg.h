#pragma once

#include "app/frame/GraphChoiceDialog.h"

// "Remove graph": picks the graph that the list pane then removes.
class CRemoveGraphDlg : public GraphChoiceDialog {
public:
    CRemoveGraphDlg(CCurvixDoc& doc, QWidget* parent);
};

#pragma once

#include "app/frame/GraphChoiceDialog.h"

// "Graph Properties": picks the graph whose properties the list pane then
// edits; a double click in the list picks it as well.
class CSelectGraphDlg : public GraphChoiceDialog {
public:
    CSelectGraphDlg(CCurvixDoc& doc, QWidget* parent);
};

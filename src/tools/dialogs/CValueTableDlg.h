#pragma once

#include "tools/CurveProbe.h"
#include "tools/dialogs/ToolCommands.h"

#include <QDialog>

#include <vector>

class CCurvixDoc;
class GraphComputation;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "Table of values": the points of one displayed graph from, to and step
// (at first the visible range, or a curve's own range, in 10 steps), listed
// with the argument and the value(s), ready to copy or save as CSV.
class CValueTableDlg : public QDialog {
public:
    CValueTableDlg(CCurvixDoc& doc, const GraphComputation& computation, const AnalysisViewHooks& hooks, QWidget* parent = nullptr);

    void OnMakeTable();
    void OnCopy();
    void OnSave();

    // The rows of the last table.
    const std::vector<CurvePoint>& Points() const { return m_points; }

private:
    void SetRange();
    void ShowTable();

    CCurvixDoc& m_doc;
    const GraphComputation& m_computation;
    AnalysisViewHooks m_hooks;
    GraphKind m_kind = KindYofX;
    std::vector<CurvePoint> m_points;

    QComboBox* m_graphBox;
    QLineEdit* m_fromEdit;
    QLineEdit* m_toEdit;
    QLineEdit* m_stepEdit;
    QPushButton* m_makeButton;
    QTableWidget* m_table;
    QPushButton* m_copyButton;
    QPushButton* m_saveButton;
};

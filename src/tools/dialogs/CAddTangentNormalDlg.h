#pragma once

#include "tools/TangentNormal.h"

#include <QDialog>

#include <vector>

class AppSettings;
class CCurvixDoc;
class GraphComputation;
class CGraphListBox;
class CImageButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// "Add tangent/normal graph": picks one of the displayed graphs and an
// argument value, shows the equation of the tangent or the normal there
// and can add that line to the document as a new graph.
class CAddTangentNormalDlg : public QDialog {
public:
    CAddTangentNormalDlg(CCurvixDoc& doc, const GraphComputation& computation, AppSettings& settings, QWidget* parent = nullptr);

    // Set when a graph was added to the document.
    bool added = false;

    void OnCalculate();
    void OnAddToList();

private:
    void OnSelectGraph();
    void EnableCalculate();
    bool ConfirmRange(int row, double argument);
    void ShowLine();
    void ForgetLines();
    // Says so when the document already has a graph of the same function.
    bool IsDuplicate(const GraphItem& graph);

    CCurvixDoc& m_doc;
    const GraphComputation& m_computation;
    AppSettings& m_settings;
    bool m_calculated = false;
    TangentNormal m_lines;
    // The graphs displayed when the dialog opened, the first rows of the list.
    std::vector<GraphItem> m_displayed;

    CGraphListBox* m_graphList;
    QLabel* m_kindPicture;
    QLabel* m_argumentLabel;
    QLineEdit* m_argumentEdit;
    QCheckBox* m_piBox;
    QRadioButton* m_tangentRadio;
    QRadioButton* m_normalRadio;
    QLabel* m_equationLabel;
    QLineEdit* m_resultText;
    CImageButton* m_calculateButton;
    CImageButton* m_addButton;
};

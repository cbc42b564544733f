#pragma once

#include "kit/CPropertyPage.h"

#include <cstdint>
#include <string>

class CCurvixDoc;
class CGraphListBox;
class CReadingLine;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// "Select Graph": the function to integrate, either one of the document's
// graphs (for a parametric graph its first or second equation) or an
// expression typed with an argument letter. Leaving the page stores the
// choice; the results page checks it.
class CIntegralSelGraphPage : public CPropertyPage {
public:
    // precisionInUse: the samples per unit of the last computation.
    CIntegralSelGraphPage(CCurvixDoc& doc, std::int32_t precisionInUse);

    void OnInitDialog() override;
    void OnSetActive() override;
    bool OnKillActive() override;

    std::int32_t PrecisionInUse() const { return m_precisionInUse; }

    // The stored choice.
    bool resultValid = false;
    std::string letter;
    std::string expression;

private:
    void ShowSource();
    void ShowParametricQuestion();
    std::string CustomArgument() const;

    CCurvixDoc& m_doc;
    const std::int32_t m_precisionInUse;
    QRadioButton* m_existingRadio;
    QRadioButton* m_customRadio;
    QGroupBox* m_graphGroup;
    CGraphListBox* m_graphList;
    QLabel* m_question;
    QRadioButton* m_firstRadio;
    QRadioButton* m_secondRadio;
    QGroupBox* m_customGroup;
    QLineEdit* m_customExpression;
    QLineEdit* m_customLetter;
    CReadingLine* m_customReading;
};

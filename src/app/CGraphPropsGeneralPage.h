#pragma once

#include "kit/CPropertyPage.h"
#include "model/GraphItem.h"

#include <array>
#include <cstdint>
#include <string>

class CImageButton;
class CReadingLine;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

// The General page of the graph sheet: kind, equation(s), colour and the
// Hidden box. Leaving the page checks the equations' syntax and stores them
// into graph, the working copy the caller fills and reads.
class CGraphPropsGeneralPage : public CPropertyPage {
public:
    // customColors are the colour dialog's custom colours, kept up to date.
    explicit CGraphPropsGeneralPage(std::array<std::uint32_t, 16>& customColors);

    void OnInitDialog() override;
    void OnSetActive() override;
    bool OnKillActive() override;
    // The first equation: a user opens the page to type a formula.
    QWidget* FirstField() override;

    bool canBeShown = true;  // false when one more visible graph is too many
    GraphItem graph;
    bool newGraph = true;

private:
    void ShowKind(int kind);
    void OnSelectColor();
    void OnHiddenClicked();
    void ShowColor();
    std::string Argument() const;

    std::array<std::uint32_t, 16>& m_customColors;
    QGroupBox* m_group;
    QComboBox* m_kindList;
    QLabel* m_firstLabel;
    QLineEdit* m_firstEquation;
    CReadingLine* m_firstReading;
    QLabel* m_secondLabel;
    QLineEdit* m_secondEquation;
    CReadingLine* m_secondReading;
    QFrame* m_swatch;
    CImageButton* m_selectButton;
    QCheckBox* m_hiddenBox;
};

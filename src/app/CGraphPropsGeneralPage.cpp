#include "app/CGraphPropsGeneralPage.h"

#include "model/AppStringFormat.h"
#include "gui/AppText.h"
#include "kit/CImageButton.h"
#include "app/CReadingLine.h"
#include "app/ColorChooser.h"
#include "expr/ExprConstants.h"
#include "kit/FieldFocus.h"
#include "app/GraphSyntaxCheck.h"
#include "IdConversions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {
// As much as the engine reads, so that no formula typed here is cut.
constexpr int kMaxEquation = MAX_EXPR_TEXT;

}  // namespace

CGraphPropsGeneralPage::CGraphPropsGeneralPage(std::array<std::uint32_t, 16>& colors)
    : CPropertyPage(DialogId::GraphPropsGeneral, StringId::GeneralPage),
      m_customColors(colors),
      m_group(new QGroupBox(AppText(StringId::NewGraphTitle), this)),
      m_kindList(new QComboBox(m_group)),
      m_firstLabel(new QLabel(m_group)),
      m_firstEquation(new QLineEdit(m_group)),
      m_firstReading(new CReadingLine(*m_firstEquation, [this] { return Argument(); }, m_group)),
      m_secondLabel(new QLabel(AppText(StringId::SecondEquationLabel), m_group)),
      m_secondEquation(new QLineEdit(m_group)),
      m_secondReading(new CReadingLine(*m_secondEquation, [this] { return Argument(); }, m_group)),
      m_swatch(new QFrame(m_group)),
      m_selectButton(new CImageButton(AppText(StringId::SelectColour), m_group)),
      m_hiddenBox(new QCheckBox(AppText(StringId::HiddenGraph), m_group))
{
    RegisterControl(m_group, 1170);
    RegisterControl(m_swatch, 1038);
    RegisterControl(m_selectButton, 1039);
    RegisterControl(m_hiddenBox, 1040);
    RegisterControl(m_firstEquation, 1158);
    RegisterControl(m_secondEquation, 1159);
    RegisterControl(m_kindList, 1168);
    RegisterControl(m_firstLabel, 1171);
    RegisterControl(m_secondLabel, 1172);

    for (unsigned item = 0; item < 4; ++item)
        m_kindList->addItem(AppText(StringAfter(StringId::FirstGraphKindItem, item)));
    m_kindList->setCurrentIndex(-1);
    m_firstEquation->setMaxLength(kMaxEquation);
    m_secondEquation->setMaxLength(kMaxEquation);
    m_swatch->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_swatch->setAutoFillBackground(true);
    m_swatch->setMinimumSize(48, 22);

    auto* grid = new QGridLayout(m_group);
    grid->addWidget(new QLabel(AppText(StringId::GraphKindLabel), m_group), 0, 0);
    grid->addWidget(m_kindList, 0, 1, 1, 3);
    grid->addWidget(m_firstLabel, 1, 0, Qt::AlignRight);
    grid->addWidget(m_firstEquation, 1, 1, 1, 3);
    grid->addWidget(m_firstReading, 2, 1, 1, 3);
    grid->addWidget(m_secondLabel, 3, 0, Qt::AlignRight);
    grid->addWidget(m_secondEquation, 3, 1, 1, 3);
    grid->addWidget(m_secondReading, 4, 1, 1, 3);
    grid->addWidget(new QLabel(AppText(StringId::ColourLabel), m_group), 5, 0);
    grid->addWidget(m_swatch, 5, 1);
    grid->addWidget(m_selectButton, 5, 2);
    grid->addWidget(m_hiddenBox, 6, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(7, 1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_group);

    connect(m_kindList, &QComboBox::currentIndexChanged, this, &CGraphPropsGeneralPage::ShowKind);
    connect(m_selectButton, &QPushButton::clicked, this, &CGraphPropsGeneralPage::OnSelectColor);
    connect(m_hiddenBox, &QCheckBox::clicked, this, &CGraphPropsGeneralPage::OnHiddenClicked);
}

void CGraphPropsGeneralPage::OnInitDialog()
{
    if (!newGraph)
        m_group->setTitle(AppText(StringId::EditGraphTitle));
    ShowColor();
}

void CGraphPropsGeneralPage::OnSetActive()
{
    m_firstEquation->setText(QString::fromStdString(graph.expression));
    m_secondEquation->setText(QString::fromStdString(graph.expression2));
    if (newGraph && !canBeShown)
        graph.hidden = true;
    m_hiddenBox->setChecked(graph.hidden);
    m_kindList->setCurrentIndex(IsKnownGraphKind(graph.kind) ? graph.kind : -1);
    ShowKind(m_kindList->currentIndex());
}

QWidget* CGraphPropsGeneralPage::FirstField()
{
    return m_firstEquation;
}

void CGraphPropsGeneralPage::ShowKind(int kind)
{
    const bool known = IsKnownGraphKind(kind);
    const bool parametric = kind == KindParametric;
    m_secondLabel->setVisible(parametric);
    m_secondEquation->setVisible(parametric);
    m_secondReading->setVisible(parametric);
    m_firstLabel->setText(known ? QString::fromStdString(FormatAppString(GraphKindEquationId(GraphKind(kind)), ""))
                              : QString());
    m_firstReading->Refresh();
    m_secondReading->Refresh();
}

// The argument the equations are read for: the kind's, x while no kind is
// chosen.
std::string CGraphPropsGeneralPage::Argument() const
{
    const int kind = m_kindList->currentIndex();
    return IsKnownGraphKind(kind) ? GraphKindArgument(GraphKind(kind)) : "x";
}

void CGraphPropsGeneralPage::OnSelectColor()
{
    if (const auto color = ChooseColor(this, graph.color, m_customColors)) {
        graph.color = *color;
        ShowColor();
    }
}

void CGraphPropsGeneralPage::ShowColor()
{
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, FromColorRef(graph.color));
    m_swatch->setPalette(palette);
}

void CGraphPropsGeneralPage::OnHiddenClicked()
{
    if (canBeShown)
        return;
    m_hiddenBox->setChecked(true);
    ShowMessage(StringId::TooManyGraphs, StringId::ErrorCaption);
}

bool CGraphPropsGeneralPage::OnKillActive()
{
    const std::string expression = m_firstEquation->text().toStdString();
    const std::string expression2 = m_secondEquation->text().toStdString();
    const int kind = m_kindList->currentIndex();
    if (!IsKnownGraphKind(kind) || expression.empty() || (kind == KindParametric && expression2.empty())) {
        QWidget* field = !IsKnownGraphKind(kind) ? static_cast<QWidget*>(m_kindList)
                         : expression.empty()    ? m_firstEquation
                                                 : m_secondEquation;
        Refuse(StringId::NoFunctionBody, StringId::ErrorCaption, field);
        return false;
    }
    if (const SyntaxVerdict verdict = CheckGraphSyntax(this, GraphKind(kind), expression, expression2);
        verdict != SyntaxVerdict::Good) {
        FocusField(verdict == SyntaxVerdict::FirstRefused ? m_firstEquation : m_secondEquation);
        return false;
    }
    graph.expression = expression;
    graph.expression2 = expression2;
    graph.kind = GraphKind(kind);
    graph.hidden = m_hiddenBox->isChecked();
    return true;
}

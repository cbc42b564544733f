#include "tools/dialogs/CIntegralSelGraphPage.h"

#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "app/CGraphListBox.h"
#include "app/CReadingLine.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <utility>

namespace {
constexpr int kMaxExpression = 128;

}  // namespace

CIntegralSelGraphPage::CIntegralSelGraphPage(CCurvixDoc& document, std::int32_t precision)
    : CPropertyPage(DialogId::IntegralSelectGraph, StringId::SelectGraphPage),
      m_doc(document),
      m_precisionInUse(precision),
      m_existingRadio(new QRadioButton(AppText(StringId::ExistingGraph), this)),
      m_customRadio(new QRadioButton(AppText(StringId::CustomFunction), this)),
      m_graphGroup(new QGroupBox(AppText(StringId::SelectGraphGroup), this)),
      m_graphList(new CGraphListBox(m_graphGroup)),
      m_question(new QLabel(AppText(StringId::WhichFunction), m_graphGroup)),
      m_firstRadio(new QRadioButton(AppText(StringId::FirstEquation), m_graphGroup)),
      m_secondRadio(new QRadioButton(AppText(StringId::SecondEquation), m_graphGroup)),
      m_customGroup(new QGroupBox(AppText(StringId::CustomGroup), this)),
      m_customExpression(new QLineEdit(m_customGroup)),
      m_customLetter(new QLineEdit(m_customGroup)),
      m_customReading(new CReadingLine(*m_customExpression, [this] { return CustomArgument(); }, m_customGroup))
{
    RegisterControl(m_existingRadio, 1196);
    RegisterControl(m_customRadio, 1197);
    RegisterControl(m_customExpression, 1198);
    RegisterControl(m_customLetter, 1199);
    RegisterControl(m_firstRadio, 1201);
    RegisterControl(m_secondRadio, 1202);
    RegisterControl(m_graphList, 1214);
    m_customExpression->setMaxLength(kMaxExpression);
    m_graphList->SetCheckBoxes(false);
    m_customLetter->setMaxLength(1);
    m_customLetter->setMaximumWidth(32);
    m_firstRadio->setChecked(true);
    // Each pair of radios is its own choice.
    for (auto [a, b] : {std::pair{m_existingRadio, m_customRadio}, std::pair{m_firstRadio, m_secondRadio}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(a);
        group->addButton(b);
    }

    auto* graphLayout = new QGridLayout(m_graphGroup);
    graphLayout->addWidget(m_graphList, 0, 0, 1, 2);
    graphLayout->addWidget(m_question, 1, 0, 1, 2);
    graphLayout->addWidget(m_firstRadio, 2, 0);
    graphLayout->addWidget(m_secondRadio, 2, 1);
    auto* customLayout = new QGridLayout(m_customGroup);
    customLayout->addWidget(new QLabel(AppText(StringId::FunctionOpen), m_customGroup), 0, 0);
    customLayout->addWidget(m_customLetter, 0, 1);
    customLayout->addWidget(new QLabel(AppText(StringId::FunctionClose), m_customGroup), 0, 2);
    customLayout->addWidget(m_customExpression, 0, 3);
    customLayout->addWidget(m_customReading, 1, 3);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_existingRadio, 0, 0);
    layout->addWidget(m_graphGroup, 1, 0);
    layout->addWidget(m_customRadio, 2, 0);
    layout->addWidget(m_customGroup, 3, 0);

    connect(m_existingRadio, &QRadioButton::toggled, this, &CIntegralSelGraphPage::ShowSource);
    connect(m_graphList, &QListWidget::currentRowChanged, this, &CIntegralSelGraphPage::ShowParametricQuestion);
    connect(m_customLetter, &QLineEdit::textChanged, m_customReading, &CReadingLine::Refresh);
}

// The argument the custom function is read for: its letter once that is
// one the tool takes (x, y or t), x until then.
std::string CIntegralSelGraphPage::CustomArgument() const
{
    const std::string typed = m_customLetter->text().toStdString();
    return typed == "y" || typed == "t" ? typed : "x";
}

void CIntegralSelGraphPage::OnInitDialog()
{
    m_graphList->FillFrom(m_doc);
    const bool any = m_graphList->count() > 0;
    m_existingRadio->setEnabled(any);
    (any ? m_existingRadio : m_customRadio)->setChecked(true);
    if (any)
        m_graphList->setCurrentRow(0);
}

void CIntegralSelGraphPage::OnSetActive()
{
    ShowSource();
}

void CIntegralSelGraphPage::ShowSource()
{
    const bool existing = m_existingRadio->isChecked();
    m_graphGroup->setEnabled(existing);
    m_customGroup->setEnabled(!existing);
    ShowParametricQuestion();
}

void CIntegralSelGraphPage::ShowParametricQuestion()
{
    const GraphItem* graph = m_graphList->ItemGraph(m_graphList->CurSel());
    const bool parametric = graph && graph->kind == KindParametric;
    for (QWidget* control : {static_cast<QWidget*>(m_question), static_cast<QWidget*>(m_firstRadio),
                             static_cast<QWidget*>(m_secondRadio)})
        control->setVisible(parametric);
}

bool CIntegralSelGraphPage::OnKillActive()
{
    if (m_customRadio->isChecked()) {
        expression = m_customExpression->text().toStdString();
        letter = m_customLetter->text().toStdString();
        resultValid = true;
        return true;
    }
    const GraphItem* graph = m_graphList->ItemGraph(m_graphList->CurSel());
    resultValid = graph != nullptr;
    if (!graph)
        return true;
    const bool second = graph->kind == KindParametric && m_secondRadio->isChecked();
    expression = second ? graph->expression2 : graph->expression;
    letter = IsKnownGraphKind(graph->kind) ? GraphKindArgument(graph->kind) : "";
    return true;
}

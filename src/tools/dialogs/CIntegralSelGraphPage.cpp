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
      doc(document),
      precisionInUse(precision),
      existingRadio(new QRadioButton(AppText(StringId::ExistingGraph), this)),
      customRadio(new QRadioButton(AppText(StringId::CustomFunction), this)),
      graphGroup(new QGroupBox(AppText(StringId::SelectGraphGroup), this)),
      graphList(new CGraphListBox(graphGroup)),
      question(new QLabel(AppText(StringId::WhichFunction), graphGroup)),
      firstRadio(new QRadioButton(AppText(StringId::FirstEquation), graphGroup)),
      secondRadio(new QRadioButton(AppText(StringId::SecondEquation), graphGroup)),
      customGroup(new QGroupBox(AppText(StringId::CustomGroup), this)),
      customExpression(new QLineEdit(customGroup)),
      customLetter(new QLineEdit(customGroup)),
      customReading(new CReadingLine(*customExpression, [this] { return CustomArgument(); }, customGroup))
{
    RegisterControl(existingRadio, 1196);
    RegisterControl(customRadio, 1197);
    RegisterControl(customExpression, 1198);
    RegisterControl(customLetter, 1199);
    RegisterControl(firstRadio, 1201);
    RegisterControl(secondRadio, 1202);
    RegisterControl(graphList, 1214);
    customExpression->setMaxLength(kMaxExpression);
    graphList->SetCheckBoxes(false);
    customLetter->setMaxLength(1);
    customLetter->setMaximumWidth(32);
    firstRadio->setChecked(true);
    // Each pair of radios is its own choice.
    for (auto [a, b] : {std::pair{existingRadio, customRadio}, std::pair{firstRadio, secondRadio}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(a);
        group->addButton(b);
    }

    auto* graphLayout = new QGridLayout(graphGroup);
    graphLayout->addWidget(graphList, 0, 0, 1, 2);
    graphLayout->addWidget(question, 1, 0, 1, 2);
    graphLayout->addWidget(firstRadio, 2, 0);
    graphLayout->addWidget(secondRadio, 2, 1);
    auto* customLayout = new QGridLayout(customGroup);
    customLayout->addWidget(new QLabel(AppText(StringId::FunctionOpen), customGroup), 0, 0);
    customLayout->addWidget(customLetter, 0, 1);
    customLayout->addWidget(new QLabel(AppText(StringId::FunctionClose), customGroup), 0, 2);
    customLayout->addWidget(customExpression, 0, 3);
    customLayout->addWidget(customReading, 1, 3);
    auto* layout = new QGridLayout(this);
    layout->addWidget(existingRadio, 0, 0);
    layout->addWidget(graphGroup, 1, 0);
    layout->addWidget(customRadio, 2, 0);
    layout->addWidget(customGroup, 3, 0);

    connect(existingRadio, &QRadioButton::toggled, this, &CIntegralSelGraphPage::ShowSource);
    connect(graphList, &QListWidget::currentRowChanged, this, &CIntegralSelGraphPage::ShowParametricQuestion);
    connect(customLetter, &QLineEdit::textChanged, customReading, &CReadingLine::Refresh);
}

// The argument the custom function is read for: its letter once that is
// one the tool takes (x, y or t), x until then.
std::string CIntegralSelGraphPage::CustomArgument() const
{
    const std::string typed = customLetter->text().toStdString();
    return typed == "y" || typed == "t" ? typed : "x";
}

void CIntegralSelGraphPage::OnInitDialog()
{
    graphList->FillFrom(doc);
    const bool any = graphList->count() > 0;
    existingRadio->setEnabled(any);
    (any ? existingRadio : customRadio)->setChecked(true);
    if (any)
        graphList->setCurrentRow(0);
}

void CIntegralSelGraphPage::OnSetActive()
{
    ShowSource();
}

void CIntegralSelGraphPage::ShowSource()
{
    const bool existing = existingRadio->isChecked();
    graphGroup->setEnabled(existing);
    customGroup->setEnabled(!existing);
    ShowParametricQuestion();
}

void CIntegralSelGraphPage::ShowParametricQuestion()
{
    const GraphItem* graph = graphList->ItemGraph(graphList->CurSel());
    const bool parametric = graph && graph->kind == KindParametric;
    for (QWidget* control : {static_cast<QWidget*>(question), static_cast<QWidget*>(firstRadio),
                             static_cast<QWidget*>(secondRadio)})
        control->setVisible(parametric);
}

bool CIntegralSelGraphPage::OnKillActive()
{
    if (customRadio->isChecked()) {
        expression = customExpression->text().toStdString();
        letter = customLetter->text().toStdString();
        resultValid = true;
        return true;
    }
    const GraphItem* graph = graphList->ItemGraph(graphList->CurSel());
    resultValid = graph != nullptr;
    if (!graph)
        return true;
    const bool second = graph->kind == KindParametric && secondRadio->isChecked();
    expression = second ? graph->expression2 : graph->expression;
    letter = IsKnownGraphKind(graph->kind) ? GraphKindArgument(graph->kind) : "";
    return true;
}

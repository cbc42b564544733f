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
      customColors(colors),
      group(new QGroupBox(AppText(StringId::NewGraphTitle), this)),
      kindList(new QComboBox(group)),
      firstLabel(new QLabel(group)),
      firstEquation(new QLineEdit(group)),
      firstReading(new CReadingLine(*firstEquation, [this] { return Argument(); }, group)),
      secondLabel(new QLabel(AppText(StringId::SecondEquationLabel), group)),
      secondEquation(new QLineEdit(group)),
      secondReading(new CReadingLine(*secondEquation, [this] { return Argument(); }, group)),
      swatch(new QFrame(group)),
      selectButton(new CImageButton(AppText(StringId::SelectColour), group)),
      hiddenBox(new QCheckBox(AppText(StringId::HiddenGraph), group))
{
    RegisterControl(group, 1170);
    RegisterControl(swatch, 1038);
    RegisterControl(selectButton, 1039);
    RegisterControl(hiddenBox, 1040);
    RegisterControl(firstEquation, 1158);
    RegisterControl(secondEquation, 1159);
    RegisterControl(kindList, 1168);
    RegisterControl(firstLabel, 1171);
    RegisterControl(secondLabel, 1172);

    for (unsigned item = 0; item < 4; ++item)
        kindList->addItem(AppText(StringAfter(StringId::FirstGraphKindItem, item)));
    kindList->setCurrentIndex(-1);
    firstEquation->setMaxLength(kMaxEquation);
    secondEquation->setMaxLength(kMaxEquation);
    swatch->setFrameStyle(QFrame::Box | QFrame::Sunken);
    swatch->setAutoFillBackground(true);
    swatch->setMinimumSize(48, 22);

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(AppText(StringId::GraphKindLabel), group), 0, 0);
    grid->addWidget(kindList, 0, 1, 1, 3);
    grid->addWidget(firstLabel, 1, 0, Qt::AlignRight);
    grid->addWidget(firstEquation, 1, 1, 1, 3);
    grid->addWidget(firstReading, 2, 1, 1, 3);
    grid->addWidget(secondLabel, 3, 0, Qt::AlignRight);
    grid->addWidget(secondEquation, 3, 1, 1, 3);
    grid->addWidget(secondReading, 4, 1, 1, 3);
    grid->addWidget(new QLabel(AppText(StringId::ColourLabel), group), 5, 0);
    grid->addWidget(swatch, 5, 1);
    grid->addWidget(selectButton, 5, 2);
    grid->addWidget(hiddenBox, 6, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(7, 1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(group);

    connect(kindList, &QComboBox::currentIndexChanged, this, &CGraphPropsGeneralPage::ShowKind);
    connect(selectButton, &QPushButton::clicked, this, &CGraphPropsGeneralPage::OnSelectColor);
    connect(hiddenBox, &QCheckBox::clicked, this, &CGraphPropsGeneralPage::OnHiddenClicked);
}

void CGraphPropsGeneralPage::OnInitDialog()
{
    if (!newGraph)
        group->setTitle(AppText(StringId::EditGraphTitle));
    ShowColor();
}

void CGraphPropsGeneralPage::OnSetActive()
{
    firstEquation->setText(QString::fromStdString(graph.expression));
    secondEquation->setText(QString::fromStdString(graph.expression2));
    if (newGraph && !canBeShown)
        graph.hidden = true;
    hiddenBox->setChecked(graph.hidden);
    kindList->setCurrentIndex(IsKnownGraphKind(graph.kind) ? graph.kind : -1);
    ShowKind(kindList->currentIndex());
}

QWidget* CGraphPropsGeneralPage::FirstField()
{
    return firstEquation;
}

void CGraphPropsGeneralPage::ShowKind(int kind)
{
    const bool known = IsKnownGraphKind(kind);
    const bool parametric = kind == KindParametric;
    secondLabel->setVisible(parametric);
    secondEquation->setVisible(parametric);
    secondReading->setVisible(parametric);
    firstLabel->setText(known ? QString::fromStdString(FormatAppString(GraphKindEquationId(GraphKind(kind)), ""))
                              : QString());
    firstReading->Refresh();
    secondReading->Refresh();
}

// The argument the equations are read for: the kind's, x while no kind is
// chosen.
std::string CGraphPropsGeneralPage::Argument() const
{
    const int kind = kindList->currentIndex();
    return IsKnownGraphKind(kind) ? GraphKindArgument(GraphKind(kind)) : "x";
}

void CGraphPropsGeneralPage::OnSelectColor()
{
    if (const auto color = ChooseColor(this, graph.color, customColors)) {
        graph.color = *color;
        ShowColor();
    }
}

void CGraphPropsGeneralPage::ShowColor()
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, FromColorRef(graph.color));
    swatch->setPalette(palette);
}

void CGraphPropsGeneralPage::OnHiddenClicked()
{
    if (canBeShown)
        return;
    hiddenBox->setChecked(true);
    ShowMessage(StringId::TooManyGraphs, StringId::ErrorCaption);
}

bool CGraphPropsGeneralPage::OnKillActive()
{
    const std::string expression = firstEquation->text().toStdString();
    const std::string expression2 = secondEquation->text().toStdString();
    const int kind = kindList->currentIndex();
    if (!IsKnownGraphKind(kind) || expression.empty() || (kind == KindParametric && expression2.empty())) {
        QWidget* field = !IsKnownGraphKind(kind) ? static_cast<QWidget*>(kindList)
                         : expression.empty()    ? firstEquation
                                                 : secondEquation;
        Refuse(StringId::NoFunctionBody, StringId::ErrorCaption, field);
        return false;
    }
    if (const SyntaxVerdict verdict = CheckGraphSyntax(this, GraphKind(kind), expression, expression2);
        verdict != SyntaxVerdict::Good) {
        FocusField(verdict == SyntaxVerdict::FirstRefused ? firstEquation : secondEquation);
        return false;
    }
    graph.expression = expression;
    graph.expression2 = expression2;
    graph.kind = GraphKind(kind);
    graph.hidden = hiddenBox->isChecked();
    return true;
}

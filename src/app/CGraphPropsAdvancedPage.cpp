#include "app/CGraphPropsAdvancedPage.h"

#include "gui/AppText.h"
#include "app/CGraphPropsGeneralPage.h"
#include "app/PrecisionBox.h"
#include "app/RangeGroup.h"
#include "model/CoordSystem.h"
#include "model/PrecisionSteps.h"
#include "model/RangeValidation.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// A graph's default range: the coordinate system's for its kind, as typed.
struct DefaultRange {
    double from;
    double to;
    bool timesPi;
    std::int32_t precision;
};

DefaultRange DefaultRangeOf(const CoordSystem& cs, GraphKind kind)
{
    switch (kind) {
    case KindXofY:
        return {cs.bottom, cs.top, cs.yTimesPi, cs.precision};
    case KindParametric:
        return {cs.paramRange.from, cs.paramRange.to, cs.paramTimesPi, cs.paramRange.precision};
    case KindPolar:
        return {cs.polarRange.from, cs.polarRange.to, cs.polarTimesPi, cs.polarRange.precision};
    default:
        return {cs.left, cs.right, cs.xTimesPi, cs.precision};
    }
}

}  // namespace

CGraphPropsAdvancedPage::CGraphPropsAdvancedPage(CGraphPropsGeneralPage& general, const CoordSystem& cs)
    : CPropertyPage(DialogId::GraphPropsAdvanced, StringId::AdvancedPage),
      generalPage(general),
      coordSystem(cs),
      graph(general.graph),
      caption(new QLabel(this)),
      useAdvanced(new QCheckBox(AppText(StringId::UseAdvanced), this)),
      kindText(new QLabel(this)),
      argumentText(new QLabel(this)),
      range(new RangeGroup({StringId::ArgumentRangeTitle, StringId::From, StringId::To, std::nullopt, false}, this)),
      precisionGroup(new QGroupBox(AppText(StringId::GraphPrecisionTitle), this)),
      precision(new PrecisionBox(precisionGroup))
{
    RegisterControl(useAdvanced, 1167);
    RegisterControl(kindText, 1168);
    RegisterControl(argumentText, 1169);
    RegisterControl(caption, 1170);
    RegisterControl(range, 1116);
    RegisterControl(range->first, 1164);
    RegisterControl(range->second, 1166);
    RegisterControl(range->timesPi, 1213);
    RegisterControl(precisionGroup, 1119);
    RegisterControl(precision, 1212);

    auto* information = new QGroupBox(AppText(StringId::InformationTitle), this);
    auto* informationForm = new QFormLayout(information);
    informationForm->addRow(AppText(StringId::AdvancedKindLabel), kindText);
    informationForm->addRow(AppText(StringId::ArgumentLabel), argumentText);
    auto* precisionRow = new QHBoxLayout(precisionGroup);
    precisionRow->addWidget(precision);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(useAdvanced);
    layout->addWidget(range);
    layout->addWidget(precisionGroup);
    layout->addWidget(information);
    layout->addStretch();

    connect(useAdvanced, &QCheckBox::clicked, this, &CGraphPropsAdvancedPage::OnUseAdvancedClicked);
}

void CGraphPropsAdvancedPage::OnInitDialog()
{
    useAdvanced->setChecked(graph.useAdvanced);
    if (graph.useAdvanced) {
        range->SetValues(graph.advRange.from, graph.advRange.to, graph.advTimesPi);
        precision->SetPrecision(graph.advRange.precision);
    } else {
        FillDefaults();
    }
    caption->setText(AppText(generalPage.newGraph ? StringId::NewGraphAdvancedTitle : StringId::EditGraphAdvancedTitle));
    ShowAdvanced(graph.useAdvanced);
}

void CGraphPropsAdvancedPage::OnSetActive()
{
    if (IsKnownGraphKind(graph.kind)) {
        argumentText->setText(QString::fromLatin1(GraphKindArgument(graph.kind)));
        kindText->setText(AppText(GraphKindLabelId(graph.kind)));
    }
    if (!useAdvanced->isChecked())
        FillDefaults();
}

void CGraphPropsAdvancedPage::FillDefaults()
{
    const DefaultRange defaults = DefaultRangeOf(coordSystem, graph.kind);
    range->SetValues(defaults.from, defaults.to, defaults.timesPi);
    precision->SetPrecision(defaults.precision);
}

void CGraphPropsAdvancedPage::ShowAdvanced(bool on)
{
    range->setEnabled(on);
    precisionGroup->setEnabled(on);
}

void CGraphPropsAdvancedPage::OnUseAdvancedClicked(bool on)
{
    ShowAdvanced(on);
    if (on)
        StoreRange();
    else
        FillDefaults();
}

void CGraphPropsAdvancedPage::StoreRange()
{
    graph.advTimesPi = range->TimesPi();
    graph.advRange.to = RangeValidation::ReadNumber(range->SecondText().c_str());
    graph.advRange.from = RangeValidation::ReadNumber(range->FirstText().c_str());
    precision->StorePrecision(graph.advRange.precision);
}

bool CGraphPropsAdvancedPage::OnKillActive()
{
    if (const auto refusal = RangeValidation::CheckPrecisionSelected(precision->currentIndex())) {
        Refuse(*refusal, StringId::ProgramName, precision);
        return false;
    }
    if (const auto refusal = RangeValidation::CheckRangeTexts(range->FirstText().c_str(),
                                                                  range->SecondText().c_str())) {
        Refuse(*refusal, StringId::ProgramName, range->RefusedField(*refusal, precision));
        return false;
    }
    if (const auto refusal = useAdvanced->isChecked() ? CheckSize() : RangeValidation::Refusal()) {
        Refuse(*refusal, StringId::ProgramName, range->RefusedField(*refusal, precision));
        return false;
    }
    StoreRange();
    graph.useAdvanced = useAdvanced->isChecked();
    return true;
}

// The range as it will be sampled, pi factor applied, held to the limit the
// coordinate-system page holds the kind's default range to, so that no range
// is accepted that the computation could never sample.
RangeValidation::Refusal CGraphPropsAdvancedPage::CheckSize() const
{
    using RangeValidation::Limit;
    const bool argument = graph.kind == KindParametric || graph.kind == KindPolar;
    const double factor = range->TimesPi() ? kPi : 1.0;
    return RangeValidation::CheckRangeSize(RangeValidation::ReadNumber(range->FirstText().c_str()) * factor,
                                           RangeValidation::ReadNumber(range->SecondText().c_str()) * factor,
                                           PrecisionFromIndex(precision->currentIndex()),
                                           argument ? Limit::ArgumentRange : Limit::CoordinateEdges);
}

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
      m_generalPage(general),
      m_coordSystem(cs),
      m_graph(general.graph),
      m_caption(new QLabel(this)),
      m_useAdvanced(new QCheckBox(AppText(StringId::UseAdvanced), this)),
      m_kindText(new QLabel(this)),
      m_argumentText(new QLabel(this)),
      m_range(new RangeGroup({StringId::ArgumentRangeTitle, StringId::From, StringId::To, std::nullopt, false}, this)),
      m_precisionGroup(new QGroupBox(AppText(StringId::GraphPrecisionTitle), this)),
      m_precision(new PrecisionBox(m_precisionGroup))
{
    RegisterControl(m_useAdvanced, 1167);
    RegisterControl(m_kindText, 1168);
    RegisterControl(m_argumentText, 1169);
    RegisterControl(m_caption, 1170);
    RegisterControl(m_range, 1116);
    RegisterControl(m_range->first, 1164);
    RegisterControl(m_range->second, 1166);
    RegisterControl(m_range->timesPi, 1213);
    RegisterControl(m_precisionGroup, 1119);
    RegisterControl(m_precision, 1212);

    auto* information = new QGroupBox(AppText(StringId::InformationTitle), this);
    auto* informationForm = new QFormLayout(information);
    informationForm->addRow(AppText(StringId::AdvancedKindLabel), m_kindText);
    informationForm->addRow(AppText(StringId::ArgumentLabel), m_argumentText);
    auto* precisionRow = new QHBoxLayout(m_precisionGroup);
    precisionRow->addWidget(m_precision);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_useAdvanced);
    layout->addWidget(m_range);
    layout->addWidget(m_precisionGroup);
    layout->addWidget(information);
    layout->addStretch();

    connect(m_useAdvanced, &QCheckBox::clicked, this, &CGraphPropsAdvancedPage::OnUseAdvancedClicked);
}

void CGraphPropsAdvancedPage::OnInitDialog()
{
    m_useAdvanced->setChecked(m_graph.useAdvanced);
    if (m_graph.useAdvanced) {
        m_range->SetValues(m_graph.advRange.from, m_graph.advRange.to, m_graph.advTimesPi);
        m_precision->SetPrecision(m_graph.advRange.precision);
    } else {
        FillDefaults();
    }
    m_caption->setText(AppText(m_generalPage.newGraph ? StringId::NewGraphAdvancedTitle : StringId::EditGraphAdvancedTitle));
    ShowAdvanced(m_graph.useAdvanced);
}

void CGraphPropsAdvancedPage::OnSetActive()
{
    if (IsKnownGraphKind(m_graph.kind)) {
        m_argumentText->setText(QString::fromLatin1(GraphKindArgument(m_graph.kind)));
        m_kindText->setText(AppText(GraphKindLabelId(m_graph.kind)));
    }
    if (!m_useAdvanced->isChecked())
        FillDefaults();
}

void CGraphPropsAdvancedPage::FillDefaults()
{
    const DefaultRange defaults = DefaultRangeOf(m_coordSystem, m_graph.kind);
    m_range->SetValues(defaults.from, defaults.to, defaults.timesPi);
    m_precision->SetPrecision(defaults.precision);
}

void CGraphPropsAdvancedPage::ShowAdvanced(bool on)
{
    m_range->setEnabled(on);
    m_precisionGroup->setEnabled(on);
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
    m_graph.advTimesPi = m_range->TimesPi();
    m_graph.advRange.to = RangeValidation::ReadNumber(m_range->SecondText().c_str());
    m_graph.advRange.from = RangeValidation::ReadNumber(m_range->FirstText().c_str());
    m_precision->StorePrecision(m_graph.advRange.precision);
}

bool CGraphPropsAdvancedPage::OnKillActive()
{
    if (const auto refusal = RangeValidation::CheckPrecisionSelected(m_precision->currentIndex())) {
        Refuse(*refusal, StringId::ProgramName, m_precision);
        return false;
    }
    if (const auto refusal = RangeValidation::CheckRangeTexts(m_range->FirstText().c_str(),
                                                                  m_range->SecondText().c_str())) {
        Refuse(*refusal, StringId::ProgramName, m_range->RefusedField(*refusal, m_precision));
        return false;
    }
    if (const auto refusal = m_useAdvanced->isChecked() ? CheckSize() : RangeValidation::Refusal()) {
        Refuse(*refusal, StringId::ProgramName, m_range->RefusedField(*refusal, m_precision));
        return false;
    }
    StoreRange();
    m_graph.useAdvanced = m_useAdvanced->isChecked();
    return true;
}

// The range as it will be sampled, pi factor applied, held to the limit the
// coordinate-system page holds the kind's default range to, so that no range
// is accepted that the computation could never sample.
RangeValidation::Refusal CGraphPropsAdvancedPage::CheckSize() const
{
    using RangeValidation::Limit;
    const bool argument = m_graph.kind == KindParametric || m_graph.kind == KindPolar;
    const double factor = m_range->TimesPi() ? kPi : 1.0;
    return RangeValidation::CheckRangeSize(RangeValidation::ReadNumber(m_range->FirstText().c_str()) * factor,
                                           RangeValidation::ReadNumber(m_range->SecondText().c_str()) * factor,
                                           PrecisionFromIndex(m_precision->currentIndex()),
                                           argument ? Limit::ArgumentRange : Limit::CoordinateEdges);
}

#include "app/frame/CGraphDataForm.h"

#include "gui/AppBitmap.h"
#include "kit/AppMessageBox.h"
#include "model/AppSettings.h"
#include "gui/AppText.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "app/CGraphListBox.h"
#include "app/GraphPropsSheet.h"
#include "kit/CImageButton.h"
#include "kit/CPropertyPage.h"
#include "app/frame/CRemoveGraphDlg.h"
#include "app/frame/CSelectGraphDlg.h"
#include "app/CoordSystemFlows.h"
#include "model/GraphPalette.h"
#include "HelpContext.h"
#include "model/HistoryStepNames.h"
#include "kit/MessageBoxStyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Control {
    IDC_GRAPH_LIST = 1028,
    IDC_ADD = 1029,
    IDC_REMOVE = 1030,
    IDC_PROPERTIES = 1031,
    IDC_EDIT_COORD_SYSTEM = 1032,
    IDC_REFRESH = 1041,
    IDC_AUTO_REFRESH = 1042,
    IDC_LOGO = 1173,
};

constexpr int kStatusMessageMs = 10000;

void Register(QWidget* control, int id)
{
    control->setObjectName(QStringLiteral("control%1").arg(id));
    control->setProperty(kControlIdProperty, id);
}

}  // namespace

CGraphDataForm::CGraphDataForm(CCurvixDoc& document, const GraphComputation& graphComputation,
                               AppSettings& appSettings, QWidget* parent)
    : QWidget(parent), m_doc(document), m_computation(graphComputation), m_settings(appSettings)
{
    setProperty(kHelpIdProperty, HelpContext::OfDialog(DialogId::GraphList));
    CreateControls();
    document.AddView(this);
    FillList(true);
}

CGraphDataForm::~CGraphDataForm()
{
    m_doc.RemoveView(this);
}

void CGraphDataForm::CreateControls()
{
    auto* group = new QGroupBox(AppText(StringId::GraphDatabase), this);
    m_list = new CGraphListBox(group);
    Register(m_list, IDC_GRAPH_LIST);
    m_list->SetDocument(&m_doc);
    m_list->SetVisibilityHandler([this] { OnVisibilityChanged(); });
    m_list->SetDeleteHandler([this] { OnRemoveSelectedGraph(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OnGraphProperties(); });

    auto* buttons = new QGridLayout;
    buttons->addWidget(AddButton(StringId::GraphListAdd, IDC_ADD, BitmapId::AddGraphButton), 0, 0);
    buttons->addWidget(m_removeButton = AddButton(StringId::GraphListRemove, IDC_REMOVE, BitmapId::RemoveButton), 0, 1);
    buttons->addWidget(m_propertiesButton = AddButton(StringId::GraphListProperties, IDC_PROPERTIES, BitmapId::PropertiesButton), 1, 0);
    buttons->addWidget(AddButton(StringId::GraphListRefresh, IDC_REFRESH, BitmapId::RefreshButton), 1, 1);
    buttons->addWidget(AddButton(StringId::GraphListCoordSystem, IDC_EDIT_COORD_SYSTEM, BitmapId::CoordSystemButton), 2, 0, 1, 2);
    m_propertiesButton->setDefault(true);
    m_autoRefreshBox = new QCheckBox(AppText(StringId::RefreshAutomatically), group);
    Register(m_autoRefreshBox, IDC_AUTO_REFRESH);
    connect(m_autoRefreshBox, &QCheckBox::clicked, this, [this] { OnAutoRefreshChanged(); });

    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_list, 1);
    groupLayout->addLayout(buttons);
    groupLayout->addWidget(m_autoRefreshBox);

    auto* logo = new QLabel(this);
    Register(logo, IDC_LOGO);
    logo->setPixmap(LoadAppBitmap(BitmapId::Logo));
    logo->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(logo);
}

CImageButton* CGraphDataForm::AddButton(StringId captionId, int controlId, BitmapId bitmap)
{
    auto* button = new CImageButton(AppText(captionId), this);
    button->SetBitmap(bitmap);
    Register(button, controlId);
    static const std::map<int, void (CGraphDataForm::*)()> handlers = {
        {IDC_ADD, &CGraphDataForm::OnAddGraph},
        {IDC_REMOVE, &CGraphDataForm::OnRemoveGraph},
        {IDC_PROPERTIES, &CGraphDataForm::OnGraphProperties},
        {IDC_EDIT_COORD_SYSTEM, &CGraphDataForm::OnEditCoordSystem},
        {IDC_REFRESH, &CGraphDataForm::PostRefresh},
    };
    connect(button, &QPushButton::clicked, this, [this, handler = handlers.at(controlId)] { (this->*handler)(); });
    return button;
}

bool CGraphDataForm::HasGraphs() const
{
    return m_doc.GetGraphCount() > 0;
}

void CGraphDataForm::FillList(bool refill)
{
    if (refill)
        m_list->FillFrom(m_doc);
    m_removeButton->setEnabled(HasGraphs());
    m_propertiesButton->setEnabled(HasGraphs());
}

void CGraphDataForm::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_list->hasFocus() && m_list->CurSel() >= 0 && m_propertiesButton->isEnabled()) {
        OnGraphProperties();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CGraphDataForm::UpdateData()
{
    m_autoRefresh = m_autoRefreshBox->isChecked();
}

void CGraphDataForm::PostRefresh()
{
    if (m_postRefresh)
        QTimer::singleShot(0, this, m_postRefresh);
}

// After every change: refresh the picture when it no longer matches.
void CGraphDataForm::ApplyAutoRefreshRule()
{
    if (m_autoRefresh && m_computation.NeedsRecompute(m_doc))
        PostRefresh();
    else  // the view shows whether its picture is out of date
        m_doc.UpdateAllViews(this, HintGraphsChanged);
}

// A notice in the main window's status bar, where there is one.
void CGraphDataForm::ShowStatusMessage(const QString& text)
{
    if (auto* frame = qobject_cast<QMainWindow*>(window()); frame && frame->statusBar())
        frame->statusBar()->showMessage(text, kStatusMessageMs);
}

bool CGraphDataForm::IsDuplicate(const GraphItem& graph, const GraphItem* except)
{
    for (const GraphItem* other = m_doc.GetFirstGraph(); other; other = m_doc.GetNextGraph()) {
        if (other != except && !other->ExpressionsDiffer(graph)) {
            AppMessageBox::Show(this, StringId::DuplicateGraph, StringId::ErrorCaption, MB_ICONEXCLAMATION);
            return true;
        }
    }
    return false;
}

void CGraphDataForm::OnAddGraph()
{
    UpdateData();
    const bool canBeShown = m_doc.CanShowAnotherGraph();
    GraphItem graph;
    graph.color = GraphPalette::ForNewGraph(m_doc);
    GraphPropsSheet sheet(graph, {true, canBeShown, m_doc.coordSystem, m_settings.customColors}, this);
    sheet.RefuseDuplicates([this](const GraphItem& candidate) { return IsDuplicate(candidate, nullptr); });
    if (sheet.DoModal() != IDOK)
        return;
    DocumentState before = m_doc.CaptureState();
    GraphItem* stored = m_doc.AddGraph(sheet.Graph());
    if (!stored)
        return;
    m_list->SetCurSel(m_list->AddItem(stored));
    FillList(false);
    m_doc.RecordStep(StringId::StepAddGraph, std::move(before));
    if (!canBeShown)
        ShowStatusMessage(AppText(StringId::AddedHidden));
    ApplyAutoRefreshRule();
}

void CGraphDataForm::OnRemoveGraph()
{
    const int index = m_list->CurSel();
    if (index < 0)
        return;
    RemoveAt(index);
    FillList(true);
    m_list->SetCurSel(index);
    UpdateData();
    ApplyAutoRefreshRule();
}

void CGraphDataForm::RemoveAt(int index)
{
    DocumentState before = m_doc.CaptureState();
    if (m_doc.RemoveGraph(index))
        m_doc.RecordStep(StringId::StepRemoveGraph, std::move(before));
}

void CGraphDataForm::OnRemoveSelectedGraph()
{
    const int index = m_list->CurSel();
    if (index < 0)
        return;
    CRemoveGraphDlg dialog(m_doc, this);
    dialog.Preselect(index);
    if (dialog.DoModal() != IDOK)
        return;
    RemoveAt(dialog.selectedIndex);
    FillList(true);
    m_list->SetCurSel(std::min(dialog.selectedIndex, m_list->count() - 1));
    UpdateData();
    ApplyAutoRefreshRule();
}

bool CGraphDataForm::HasSelection() const
{
    return m_list->CurSel() >= 0 && m_list->ItemGraph(m_list->CurSel());
}

void CGraphDataForm::ToggleSelectedVisibility()
{
    if (HasSelection())
        m_list->ToggleVisibility(m_list->CurSel());
}

void CGraphDataForm::OnGraphProperties()
{
    UpdateData();
    const int index = m_list->CurSel();
    if (index >= 0 && m_list->ItemGraph(index))
        RunPropertiesSheet(index);
}

void CGraphDataForm::RunPropertiesSheet(int index)
{
    GraphItem* stored = m_list->ItemGraph(index);
    const bool canBeShown = stored->hidden ? m_doc.CanShowAnotherGraph() : true;
    GraphPropsSheet sheet(*stored, {false, canBeShown, m_doc.coordSystem, m_settings.customColors}, this);
    sheet.RefuseDuplicates([this, stored](const GraphItem& graph) { return IsDuplicate(graph, stored); });
    if (sheet.DoModal() != IDOK)
        return;
    // A change of white space alone is taken over without a step, as it
    // leaves the document unmodified.
    DocumentState before = m_doc.CaptureState();
    const bool changed = sheet.Graph().Differs(*stored);
    const StringId name = HistoryStepNames::ForGraphEdit(*stored, sheet.Graph());
    *stored = sheet.Graph();
    if (changed)
        m_doc.RecordStep(name, std::move(before));
    FillList(true);
    m_list->SetCurSel(index);
    UpdateData();
    ApplyAutoRefreshRule();
}

void CGraphDataForm::OnEditCoordSystem()
{
    if (!EditCoordSystem(this, m_doc))
        return;
    UpdateData();
    if (!m_autoRefresh)
        return;
    if (m_computation.NeedsRecompute(m_doc))
        PostRefresh();
    else
        m_doc.UpdateAllViews(this, HintGraphsChanged);
}

void CGraphDataForm::OnRemoveGraphDialog()
{
    CRemoveGraphDlg dialog(m_doc, this);
    if (dialog.DoModal() != IDOK)
        return;
    RemoveAt(dialog.selectedIndex);
    FillList(true);
    UpdateData();
    ApplyAutoRefreshRule();
}

void CGraphDataForm::OnGraphPropertiesDialog()
{
    CSelectGraphDlg dialog(m_doc, this);
    if (dialog.DoModal() != IDOK)
        return;
    m_list->SetCurSel(dialog.selectedIndex);
    OnGraphProperties();
}

void CGraphDataForm::OnAutoRefreshChanged()
{
    UpdateData();
    if (m_autoRefresh && m_computation.NeedsRecompute(m_doc))
        PostRefresh();
    DocumentState before = m_doc.CaptureState();
    m_doc.autoRefresh = m_autoRefresh;
    m_doc.RecordStep(StringId::StepAutoRefresh, std::move(before));
}

void CGraphDataForm::OnVisibilityChanged()
{
    UpdateData();
    ApplyAutoRefreshRule();
}

// After undo or redo: the list, the option and the picture as after the
// change itself.
void CGraphDataForm::ShowRestoredDocument()
{
    const int selected = m_list->CurSel();
    m_autoRefreshBox->setChecked(m_doc.autoRefresh);
    FillList(true);
    m_list->SetCurSel(std::min(selected, m_list->count() - 1));
    UpdateData();
    ApplyAutoRefreshRule();
}

void CGraphDataForm::OnUpdate(DocView* sender, int hint)
{
    UpdateData();
    if (hint == HintZoomChanged || hint == HintSettingsChanged)
        return;
    if (hint == HintDocumentRestored) {
        ShowRestoredDocument();
        return;
    }
    FillList(true);
    if (!sender && hint == HintGraphsChanged && m_doc.autoRefresh) {
        m_autoRefreshBox->setChecked(true);
        UpdateData();
        PostRefresh();
    }
}

// Dragged wider than its width, the pane snaps back.
void CGraphDataForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (width() > kPaneWidth)
        QTimer::singleShot(0, this, [this] {
            // The pane may have been hidden meanwhile.
            if (width() > kPaneWidth && m_limitWidth)
                m_limitWidth();
        });
}

#pragma once

#include "model/DocView.h"
#include "Ids.h"

#include <QWidget>

#include <functional>

class AppSettings;
class CCurvixDoc;
class GraphComputation;
class CGraphListBox;
class CImageButton;
class GraphItem;
class QCheckBox;

// The main window's left pane: the document's graphs with the buttons that
// add, remove and edit them, edit the document's coordinate system and
// refresh the picture, and the "Refresh automatically" option.
class CGraphDataForm : public QWidget, public DocView {
public:
    CGraphDataForm(CCurvixDoc& doc, const GraphComputation& computation, AppSettings& settings,
                   QWidget* parent = nullptr);
    ~CGraphDataForm() override;

    // How the pane reaches the rest of the window: posting Refresh to the
    // graph view, and narrowing itself back to its width.
    void SetRefreshPoster(std::function<void()> post) { m_postRefresh = std::move(post); }
    void SetWidthLimiter(std::function<void()> limit) { m_limitWidth = std::move(limit); }

    void OnAddGraph();
    void OnRemoveGraph();
    void OnGraphProperties();
    void OnEditCoordSystem();
    void OnRemoveGraphDialog();
    // Delete and the list's context menu: the "Remove graph" dialog with the
    // selected graph chosen; the graph goes when the user confirms.
    void OnRemoveSelectedGraph();
    void ToggleSelectedVisibility();
    bool HasSelection() const;
    void OnGraphPropertiesDialog();
    void OnUpdate(DocView* sender, int hint) override;

    bool HasGraphs() const;
    CGraphListBox& List() const { return *m_list; }

    static constexpr int kPaneWidth = 264;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Enter on a selected graph opens its properties, as the default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    CImageButton* AddButton(StringId captionId, int controlId, BitmapId bitmap);
    void FillList(bool refill);
    void UpdateData();
    void ApplyAutoRefreshRule();
    void PostRefresh();
    bool IsDuplicate(const GraphItem& graph, const GraphItem* except);
    void ShowStatusMessage(const QString& text);
    void OnAutoRefreshChanged();
    void OnVisibilityChanged();
    void RunPropertiesSheet(int index);
    void RemoveAt(int index);
    void ShowRestoredDocument();

    CCurvixDoc& m_doc;
    const GraphComputation& m_computation;
    AppSettings& m_settings;
    CGraphListBox* m_list = nullptr;
    CImageButton* m_removeButton = nullptr;
    CImageButton* m_propertiesButton = nullptr;
    QCheckBox* m_autoRefreshBox = nullptr;
    bool m_autoRefresh = false;
    std::function<void()> m_postRefresh;
    std::function<void()> m_limitWidth;
};

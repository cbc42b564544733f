#pragma once

#include "view/widget/CursorPosFrame.h"
#include "app/frame/FrameActions.h"
#include "app/frame/FrameCommandState.h"
#include "app/frame/FrameDocumentFiles.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

struct AnalysisViewHooks;
class AppSettings;
class CCurvixDoc;
class GraphComputation;
class CCurvixView;
class CGraphDataForm;
class MenuChrome;
class DocumentRecovery;
class FrameContextMenus;
class FrameEditCommands;
class FrameStatusBar;
class QSplitter;
class SplitterKeyMover;
class QToolBar;

// The program's main window: the graph list pane and the graph view side by
// side in a splitter, the menu bar and toolbar, the status bar, and the
// commands of the menus, keys and toolbar. Destroying the window stores the
// window-related settings and writes every setting once.
class CMainFrame : public QMainWindow, public CursorPosFrame {
public:
    CMainFrame(CCurvixDoc& doc, GraphComputation& computation, AppSettings& settings);
    ~CMainFrame() override;

    // Status pane 1, set by the view as the pointer moves.
    void SetCursorPosText(const QString& text) override;

    // Runs a command as its menu item, key or toolbar button does; a
    // disabled command does nothing.
    void ExecuteCommand(CommandId id);
    // Enables and ticks the commands, updates the status panes and the title.
    // It runs after every command and, through RequestCommandUpdate, once
    // after any change of what the commands depend on: the document, the
    // computation, the selected graph, the toolbar's visibility.
    void UpdateCommandUI();
    // Asks for one UpdateCommandUI from the event loop; requests made before
    // it runs share it.
    void RequestCommandUpdate();

    // Whether the window accepted a close request (it may not be deleted yet).
    bool IsClosed() const { return m_closed; }

    void HideGraphPane();
    void ShowGraphPane();

    QAction* Action(CommandId id) const { return m_actions.Action(id); }
    CGraphDataForm& Form() const { return *m_form; }
    CCurvixView& View() const { return *m_view; }
    FrameStatusBar& StatusBar() const { return *m_status; }
    FrameDocumentFiles& Files() { return m_files; }
    DocumentRecovery& Recovery() const { return *m_recovery; }
    QSplitter& Splitter() const { return *m_splitter; }
    QToolBar& ToolBar() const { return *m_toolBar; }
    FrameContextMenus& ContextMenus() const { return *m_contextMenus; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    using Handler = std::function<void(CMainFrame&)>;
    static const std::map<CommandId, Handler>& Handlers();

    void CreateClientArea();
    void CreateBars();
    void ListenForCommandInputs();
    void PlaceWindow();
    void StoreSettings();
    void DocumentLoaded();
    void RefreshRecentFiles();

    void OnTangent();
    void OnTrace();
    AnalysisViewHooks ViewHooks();
    void OnSettings();
    void OnToggleGrid();
    void OnWebPage();
    void OnNextPane();

    CCurvixDoc& m_doc;
    GraphComputation& m_computation;
    AppSettings& m_settings;
    FrameActions m_actions;
    FrameCommandState m_state;
    FrameDocumentFiles m_files;
    QSplitter* m_splitter = nullptr;
    SplitterKeyMover* m_splitMover = nullptr;
    CGraphDataForm* m_form = nullptr;
    CCurvixView* m_view = nullptr;
    FrameStatusBar* m_status = nullptr;
    QToolBar* m_toolBar = nullptr;
    std::unique_ptr<MenuChrome> m_chrome;
    std::unique_ptr<DocumentRecovery> m_recovery;
    std::unique_ptr<FrameEditCommands> m_editCommands;
    FrameContextMenus* m_contextMenus = nullptr;
    bool m_updateRequested = false;
    QRect m_placedRect;  // where the window was put at its creation
    bool m_closed = false;
};

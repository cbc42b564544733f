#pragma once

#include "Ids.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class CCurvixDoc;
class CGraphListBox;
class CImageButton;

// A modal dialog that lets the user pick one graph of the document: the
// list of graphs (no check boxes) above Help, Cancel and the dialog's own
// default button, which closes with OK when a graph is selected.
class GraphChoiceDialog : public QDialog {
public:
    struct Layout {
        DialogId dialogId;  // also gives the context help id
        StringId captionId;
        StringId promptId;
        int listId;
        int actionId;
        StringId actionCaptionId;
        BitmapId actionBitmap;
    };

    GraphChoiceDialog(CCurvixDoc& doc, const Layout& layout, QWidget* parent);

    // Runs the dialog: IDOK with selectedIndex set, or IDCANCEL.
    int DoModal();
    // Selects a row other than the first before the dialog shows.
    void Preselect(int row);

    // A test's stand-in for the user, as with the property sheets: DoModal
    // hands the shown dialog to the driver and returns its result.
    using TestDriver = std::function<void(GraphChoiceDialog&)>;
    static void SetTestDriver(TestDriver driver);

    CGraphListBox& List() const { return *m_list; }
    CImageButton& ActionButton() const { return *m_action; }

    int selectedIndex = -1;

protected:
    // F1 asks for the dialog's help, as its Help button does.
    void keyPressEvent(QKeyEvent* event) override;
    // The action button (and, where the dialog allows it, a double click).
    void OnAction();

private:
    void OnHelp() const;

    std::uint32_t m_helpId;
    CGraphListBox* m_list;
    CImageButton* m_action;
};

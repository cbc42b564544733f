#pragma once

#include "Ids.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <vector>

class CImageButton;
class CPropertyPage;
class QTabWidget;

// The program's property sheet: pages on tabs above a row of image buttons
// (OK and Cancel, or a single Close button in closeMode, and optionally
// Help). The current page may refuse to be left, both when another tab is
// chosen and when OK is pressed. F1, the Help button and the title bar's
// context help go to the shared help handler.
class CAdvPropertySheet : public QDialog {
public:
    explicit CAdvPropertySheet(StringId captionId, QWidget* parent = nullptr, int firstPage = 0);

    // Adds a page after the others; the sheet owns it.
    void AddPage(CPropertyPage* page);
    // Runs the sheet modally: IDOK or IDCANCEL.
    int DoModal();

    // Makes a page current; false when the current page refuses to be left.
    bool SetActivePage(int index);
    int GetActiveIndex() const { return m_activeIndex; }
    CPropertyPage* GetActivePage() const;
    CPropertyPage* GetPage(int index) const { return m_pages.at(index); }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }

    // Enables or disables OK, Cancel (or Close) and closing the window,
    // while a calculation runs.
    void EnableButtons(bool enable);
    // The button with this id (IDOK, IDCANCEL, IDCLOSE, IDHELP), or null.
    CImageButton* Button(int id) const;

    // OK: the current page validates first.
    void accept() override;
    // Cancel, Close, Escape and the title bar's close.
    void reject() override;

    // A test's stand-in for the user: DoModal shows the sheet, hands it to
    // the driver and returns the result the driver gave it (IDCANCEL when
    // the driver left it open). An empty driver runs sheets modally again.
    using TestDriver = std::function<void(CAdvPropertySheet&)>;
    static void SetTestDriver(TestDriver driver);

    // Set before DoModal: a single Close button instead of OK and Cancel.
    bool closeMode = false;
    // Set before DoModal: a Help button after the others.
    bool hasHelp = false;
    // Set before DoModal: asked on OK once the current page accepted it;
    // false keeps the sheet open (the check tells the user why).
    std::function<bool()> acceptCheck;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct SheetButton {
        int id;
        CImageButton* button;
    };

    void InitSheet();
    // Caption by the button's result, picture and help id as given.
    void AddButton(int id, BitmapId bitmapId, std::uint32_t helpId);
    void OnTabChanged(int index);
    void SubmitControlHelp(QWidget* control) const;
    void SubmitPageHelp(int controlId) const;

    QTabWidget* m_tabs;
    std::vector<CPropertyPage*> m_pages;
    std::vector<SheetButton> m_buttons;
    int m_firstPage;
    int m_activeIndex = -1;
    bool m_buttonsEnabled = true;
};

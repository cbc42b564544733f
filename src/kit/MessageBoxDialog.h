#pragma once

#include "kit/AppMessageBox.h"

#include <QDialog>

#include <vector>

class CImageButton;
class QLabel;

// The window of one message box: an optional icon, the text and a row of up
// to four image buttons, sized to the text. exec() returns the identifier
// of the pressed button; closing the window returns IDCANCEL.
class MessageBoxDialog : public QDialog {
public:
    explicit MessageBoxDialog(const AppMessageBox::Request& request);

    // The results of the buttons, in the order of the row.
    static std::vector<int> ButtonResults(unsigned style);

    const std::vector<CImageButton*>& Buttons() const { return m_buttons; }
    // The button that ends the dialog with this result, or null.
    CImageButton* Button(int result) const;
    QLabel* TextLabel() const { return m_textLabel; }
    QLabel* IconLabel() const { return m_iconLabel; }
    // Whether the title bar offers to close the box.
    bool HasCloseItem() const { return m_closeItem; }

    // Escape: IDCANCEL where the box may be closed, IDOK for a lone OK.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateIcon(unsigned style);
    void CreateButtons(unsigned style);
    void LayOut(const QString& text, const QString& caption);
    void Press(int result);

    QWidget* m_owner;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_textLabel = nullptr;
    std::vector<CImageButton*> m_buttons;
    std::vector<int> m_results;
    bool m_closeItem = false;
};

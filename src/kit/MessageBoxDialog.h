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

    const std::vector<CImageButton*>& Buttons() const { return buttons; }
    // The button that ends the dialog with this result, or null.
    CImageButton* Button(int result) const;
    QLabel* TextLabel() const { return textLabel; }
    QLabel* IconLabel() const { return iconLabel; }
    // Whether the title bar offers to close the box.
    bool HasCloseItem() const { return closeItem; }

    // Escape: IDCANCEL where the box may be closed, IDOK for a lone OK.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateIcon(unsigned style);
    void CreateButtons(unsigned style);
    void LayOut(const QString& text, const QString& caption);
    void Press(int result);

    QWidget* owner;
    QLabel* iconLabel = nullptr;
    QLabel* textLabel = nullptr;
    std::vector<CImageButton*> buttons;
    std::vector<int> results;
    bool closeItem = false;
};

#pragma once

// Nothing in these tests waits for a user: a MessageRecorder answers every
// message box and keeps what it was asked; a SheetDriver hands each sheet's
// DoModal to the test's function.

#include "kit/AppMessageBox.h"
#include "kit/CAdvPropertySheet.h"
#include "kit/CImageButton.h"
#include "kit/CPropertyPage.h"
#include "kit/MessageBoxStyle.h"
#include "StringTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <initializer_list>
#include <vector>

class MessageRecorder {
public:
    MessageRecorder()
    {
        AppMessageBox::SetTestResponder([this](const AppMessageBox::Request& request) {
            requests.push_back(request);
            return IDOK;
        });
    }
    ~MessageRecorder() { AppMessageBox::SetTestResponder({}); }

    // The texts shown since the last call, in order.
    std::vector<QString> Take()
    {
        std::vector<QString> texts;
        for (const AppMessageBox::Request& request : requests)
            texts.push_back(request.text);
        requests.clear();
        return texts;
    }
    static std::vector<QString> Texts(std::initializer_list<StringId> ids)
    {
        std::vector<QString> texts;
        for (StringId id : ids)
            texts.push_back(QString::fromUtf8(LoadAppString(id)));
        return texts;
    }

    std::vector<AppMessageBox::Request> requests;
};

class SheetDriver {
public:
    explicit SheetDriver(std::function<void(CAdvPropertySheet&)> drive)
    {
        CAdvPropertySheet::SetTestDriver(std::move(drive));
    }
    ~SheetDriver() { CAdvPropertySheet::SetTestDriver({}); }
};

// A control of a sheet's page by its control id.
template <typename Control = QLineEdit>
Control* Get(QWidget* page, int id)
{
    return page->findChild<Control*>(QStringLiteral("control%1").arg(id));
}
inline void PressOk(CAdvPropertySheet& sheet) { sheet.Button(IDOK)->click(); }

// The control id of the widget that has the focus, 0 for none; -1 for a text
// field whose text is not selected whole (typing would not replace it).
inline int FocusedControl()
{
    const QWidget* focused = QApplication::focusWidget();
    if (!focused || !focused->objectName().startsWith("control"))
        return 0;
    if (const auto* edit = qobject_cast<const QLineEdit*>(focused); edit && edit->selectedText() != edit->text())
        return -1;
    return focused->objectName().mid(7).toInt();
}

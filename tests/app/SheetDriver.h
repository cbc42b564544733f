#pragma once

// Drives the property sheets of a test: each DoModal hands the shown sheet
// to the test's function instead of waiting for a user.

#include "CAdvPropertySheet.h"
#include "CImageButton.h"
#include "CPropertyPage.h"
#include "MessageBoxStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <functional>

class SheetDriver {
public:
    explicit SheetDriver(std::function<void(CAdvPropertySheet&)> drive)
    {
        CAdvPropertySheet::SetTestDriver(std::move(drive));
    }
    ~SheetDriver() { CAdvPropertySheet::SetTestDriver({}); }
    SheetDriver(const SheetDriver&) = delete;
    SheetDriver& operator=(const SheetDriver&) = delete;
};

// The controls of a sheet's pages, by their control ids.
inline QLineEdit* Edit(QWidget& page, int id)
{
    return page.findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
}
inline QComboBox* List(QWidget& page, int id)
{
    return page.findChild<QComboBox*>(QStringLiteral("control%1").arg(id));
}
inline QCheckBox* Check(QWidget& page, int id)
{
    return page.findChild<QCheckBox*>(QStringLiteral("control%1").arg(id));
}
inline void PressOk(CAdvPropertySheet& sheet)
{
    sheet.Button(IDOK)->click();
}

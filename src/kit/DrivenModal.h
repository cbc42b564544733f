#pragma once

#include "kit/MessageBoxStyle.h"

#include <QDialog>

#include <functional>
#include <utility>

// Runs a dialog of the class modally, or, while a test has set a driver,
// shows it and hands it to the driver instead of entering a nested event
// loop: the driver works the dialog as the user would and closes it.
template <class Dialog>
class DrivenModal {
public:
    using Driver = std::function<void(Dialog&)>;

    static void SetDriver(Driver driver) { Slot() = std::move(driver); }

    // IDOK when the dialog was accepted, IDCANCEL otherwise.
    static int Run(Dialog& dialog)
    {
        if (!Slot())
            return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
        dialog.show();
        Slot()(dialog);
        const int result = dialog.result() == QDialog::Accepted ? IDOK : IDCANCEL;
        dialog.hide();
        return result;
    }

private:
    static Driver& Slot()
    {
        static Driver driver;
        return driver;
    }
};

#pragma once

#include "Ids.h"

#include <QString>

#include <functional>

class CException;
class QWidget;

// The program's message box: every message of the program goes through
// here. Each form returns the identifier of the pressed button (IDOK ...,
// MessageBoxStyle.h), or -1 when a text cannot be loaded from the string
// table. Without an owner the box belongs to the main window, if any.
class AppMessageBox {
public:
    // What one call asked for; handed to the test responder.
    struct Request {
        QWidget* owner = nullptr;
        QString text;
        QString caption;
        unsigned style = 0;
    };
    using Responder = std::function<int(const Request&)>;

    static int Show(QWidget* owner, StringId textId, StringId captionId, unsigned style);
    static int Show(QWidget* owner, const QString& text, StringId captionId, unsigned style);
    static int Show(QWidget* owner, StringId textId, const QString& caption, unsigned style);
    static int ShowRaw(QWidget* owner, const QString& text, const QString& caption, unsigned style);

    // Shows an exception's message with the program's name as caption and
    // the exclamation icon.
    static int ReportError(QWidget* owner, const CException& error);

    // Tests answer every box with this instead of showing it; an empty
    // responder shows boxes again.
    static void SetTestResponder(Responder responder);
};

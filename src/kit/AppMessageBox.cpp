#include "kit/AppMessageBox.h"

#include "gui/AppText.h"
#include "expr/CException.h"
#include "kit/MessageBoxDialog.h"
#include "kit/MessageBoxStyle.h"
#include "StringTable.h"

#include <QApplication>
#include <QMainWindow>

namespace {

// The longest text and caption a box holds.
constexpr int kMaxText = 4099;
constexpr int kMaxCaption = 511;

AppMessageBox::Responder& TestResponder()
{
    static AppMessageBox::Responder responder;
    return responder;
}

QWidget* MainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(widget))
            return widget;
    }
    return nullptr;
}

}  // namespace

int AppMessageBox::Show(QWidget* owner, StringId textId, StringId captionId, unsigned style)
{
    const char* text = LoadAppString(textId);
    if (!text)
        return -1;
    return Show(owner, QString::fromUtf8(text), captionId, style);
}

int AppMessageBox::Show(QWidget* owner, const QString& text, StringId captionId, unsigned style)
{
    const char* caption = LoadAppString(captionId);
    if (!caption)
        return -1;
    return ShowRaw(owner, text, QString::fromUtf8(caption), style);
}

int AppMessageBox::Show(QWidget* owner, StringId textId, const QString& caption, unsigned style)
{
    const char* text = LoadAppString(textId);
    if (!text)
        return -1;
    return ShowRaw(owner, QString::fromUtf8(text), caption, style);
}

int AppMessageBox::ShowRaw(QWidget* owner, const QString& text, const QString& caption, unsigned style)
{
    Request request;
    request.owner = owner ? owner : MainWindow();
    request.text = text.left(kMaxText);
    request.caption = caption.left(kMaxCaption);
    request.style = style;
    if (TestResponder())
        return TestResponder()(request);
    MessageBoxDialog dialog(request);
    return dialog.exec();
}

int AppMessageBox::ReportError(QWidget* owner, const CException& error)
{
    return Show(owner, QString::fromStdString(error.Message()), StringId::ProgramName, MB_ICONEXCLAMATION);
}

void AppMessageBox::SetTestResponder(Responder responder)
{
    TestResponder() = std::move(responder);
}

#include "AppTestSupport.h"
#include "kit/MessageBoxDialog.h"
#include "kit/HelpRequests.h"
#include "KeyboardInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

AppMessageBox::Request MakeRequest(const QString& text, unsigned style, const QString& caption = "Curvix")
{
    AppMessageBox::Request request;
    request.text = text;
    request.caption = caption;
    request.style = style;
    return request;
}

}  // namespace

TEST(MessageBoxTest, ButtonsResultsAndDefaults)
{
    const struct {
        unsigned style;
        std::vector<int> buttons;
        int defaultButton;
        int escape;  // 0: Escape leaves the box open
    } rows[] = {
        {MB_OK, {IDOK}, IDOK, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, {IDOK, IDCANCEL}, IDCANCEL, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, {IDABORT, IDRETRY, IDIGNORE}, IDIGNORE, 0},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, {IDYES, IDNO, IDCANCEL}, IDNO, IDCANCEL},
        {MB_YESNO, {IDYES, IDNO}, IDYES, 0},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDRETRY, IDCANCEL},
        {0x000F, {IDOK}, IDOK, IDOK},  // an unknown set is a lone OK
        {MB_OK | MB_HELP, {IDOK, IDHELP}, IDOK, IDOK},
        {MB_OKCANCEL | MB_HELP | MB_DEFBUTTON3, {IDOK, IDCANCEL, IDHELP}, IDHELP, IDCANCEL},
        // A default beyond the row falls back to the first button.
        {MB_OK | MB_DEFBUTTON4, {IDOK}, IDOK, IDOK},
        {MB_YESNO | 0x0F00, {IDYES, IDNO}, IDYES, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.style);
        MessageBoxDialog dialog(MakeRequest("Text", row.style));
        EXPECT_EQ(MessageBoxDialog::ButtonResults(row.style), row.buttons);
        ASSERT_EQ(dialog.Buttons().size(), row.buttons.size());
        for (const CImageButton* button : dialog.Buttons()) {
            EXPECT_FALSE(button->Face().isNull()) << "every button shows its bitmap";
            EXPECT_EQ(button->isDefault(), button == dialog.Button(row.defaultButton));
        }
        // Only a box with Cancel may be closed from its title bar.
        const bool closeItem = row.escape == IDCANCEL;
        EXPECT_EQ(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint), closeItem);
        dialog.show();
        dialog.close();
        EXPECT_EQ(dialog.isVisible(), !closeItem);
        EXPECT_EQ(dialog.result(), closeItem ? IDCANCEL : 0);

        for (int pressed : row.buttons) {
            HelpRequests::ClearSubmitted();
            MessageBoxDialog box(MakeRequest("Text", row.style));
            box.show();
            box.Button(pressed)->click();
            // Help asks for help and leaves the box open.
            EXPECT_EQ(box.isVisible(), pressed == IDHELP);
            EXPECT_EQ(box.result(), pressed == IDHELP ? 0 : pressed);
            EXPECT_EQ(HelpRequests::Submitted().size(), pressed == IDHELP ? 1u : 0u);
        }
        MessageBoxDialog escaped(MakeRequest("Text", row.style));
        escaped.show();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&escaped, &escape);
        EXPECT_EQ(escaped.isVisible(), row.escape == 0);
        EXPECT_EQ(escaped.result(), row.escape);
    }
}

TEST(MessageBoxTest, OneLineBoxIsAsWideAsItsButtonsOrCaption)
{
    // (84 + 6) a button, 11-pixel margins, one pixel to spare.
    const struct {
        unsigned style;
        int buttons;
    } rows[] = {{MB_OK, 1}, {MB_YESNO, 2}, {MB_YESNOCANCEL | MB_HELP, 4}};
    for (const auto& row : rows) {
        MessageBoxDialog dialog(MakeRequest("Hi", row.style, ""));
        EXPECT_EQ(dialog.width(), row.buttons * 90 + 22 - 6 + 1) << row.style;
    }
    const QString caption(60, QLatin1Char('W'));
    MessageBoxDialog captioned(MakeRequest("Hi", MB_OK, caption));
    EXPECT_GT(captioned.width(), QFontMetrics(captioned.font()).horizontalAdvance(caption));
}

TEST(MessageBoxTest, LongLineWrapsAtTwoThirdsOfTheWorkArea)
{
    const int work = QGuiApplication::primaryScreen()->availableGeometry().width();
    MessageBoxDialog dialog(MakeRequest(QString("word ").repeated(200).trimmed(), MB_OK));
    const QLabel* label = dialog.TextLabel();
    EXPECT_LE(label->width(), work * 2 / 3 + 1);
    EXPECT_GT(label->width(), work * 2 / 3 * 9 / 10);
    EXPECT_GT(label->height(), 3 * QFontMetrics(label->font()).height());
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "the text fits";
    EXPECT_LT(dialog.width(), work);
}

TEST(MessageBoxTest, LinesBreakAtCrLfAndLf)
{
    MessageBoxDialog dialog(MakeRequest("one\r\ntwo\nthree", MB_OK));
    EXPECT_EQ(dialog.TextLabel()->text(), "one\ntwo\nthree");
}

TEST(MessageBoxTest, FormsLoadTheirTextsOrShowNothing)
{
    MessageRecorder recorder;
    EXPECT_EQ(AppMessageBox::Show(nullptr, StringId::NoPrecision, StringId::ErrorCaption, MB_RETRYCANCEL), IDOK);
    ASSERT_EQ(recorder.requests.size(), 1u);
    EXPECT_EQ(recorder.requests[0].text, "You must select a precision value.");
    EXPECT_EQ(recorder.requests[0].caption, "Error");
    const auto missing = static_cast<StringId>(99999);  // no such text in the table
    EXPECT_EQ(AppMessageBox::Show(nullptr, missing, StringId::ErrorCaption, MB_OK), -1);
    EXPECT_EQ(AppMessageBox::Show(nullptr, QString("typed"), missing, MB_OK), -1);
    EXPECT_EQ(recorder.requests.size(), 1u) << "nothing is shown without its texts";
}

// Enter and Space press the button that has the focus; the box opens with the
// focus on its default button, and Tab moves along the row.
TEST(MessageBoxTest, KeysPressTheFocusedButton)
{
    const struct {
        unsigned style;
        int tabs;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int result;  // 0: the box stays open
    } rows[] = {
        {MB_YESNOCANCEL | MB_ICONEXCLAMATION, 0, Qt::Key_Return, Qt::NoModifier, IDYES},
        {MB_YESNOCANCEL | MB_ICONEXCLAMATION, 1, Qt::Key_Return, Qt::NoModifier, IDNO},
        {MB_YESNOCANCEL | MB_ICONEXCLAMATION, 2, Qt::Key_Return, Qt::NoModifier, IDCANCEL},
        {MB_YESNOCANCEL | MB_ICONEXCLAMATION, 1, Qt::Key_Enter, Qt::KeypadModifier, IDNO},
        {MB_YESNOCANCEL | MB_ICONEXCLAMATION, 1, Qt::Key_Space, Qt::NoModifier, IDNO},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, 1, Qt::Key_Return, Qt::NoModifier, IDCANCEL},
        {MB_OKCANCEL | MB_DEFBUTTON2, 1, Qt::Key_Return, Qt::NoModifier, IDOK},
        {MB_YESNO | MB_DEFBUTTON2, 0, Qt::Key_Return, Qt::NoModifier, IDNO},
        {MB_OK | MB_HELP, 1, Qt::Key_Return, Qt::NoModifier, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.style << " tabs " << row.tabs << " key " << row.key);
        MessageBoxDialog box(MakeRequest("Save changes?", row.style));
        box.show();
        Activate(&box);
        for (int i = 0; i < row.tabs; ++i)
            Type(Qt::Key_Tab);
        Type(row.key, row.modifiers);
        EXPECT_EQ(box.isVisible(), row.result == 0);
        EXPECT_EQ(box.result(), row.result);
    }
}

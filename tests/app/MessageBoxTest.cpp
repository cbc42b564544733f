#include "AppMessageBox.h"
#include "CExprException.h"
#include "CImageButton.h"
#include "CMessageBoxDialog.h"
#include "HelpRequests.h"
#include "MessageBoxStyle.h"
#include "MessageRecorder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
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

std::vector<QString> Captions(const CMessageBoxDialog& dialog)
{
    std::vector<QString> captions;
    for (const CImageButton* button : dialog.Buttons())
        captions.push_back(button->text());
    return captions;
}

QRect WorkArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

}  // namespace

TEST(MessageBoxTest, ButtonSetsCaptionsAndCloseItem)
{
    struct Row {
        unsigned style;
        std::vector<int> results;
        std::vector<QString> captions;
        bool closeItem;
    };
    const Row rows[] = {
        {MB_OK, {IDOK}, {"OK"}, false},
        {MB_OKCANCEL, {IDOK, IDCANCEL}, {"OK", "Cancel"}, true},
        {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, {"Abort", "Retry", "Ignore"}, false},
        {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, {"Yes", "No", "Cancel"}, true},
        {MB_YESNO, {IDYES, IDNO}, {"Yes", "No"}, false},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, {"Retry", "Cancel"}, true},
        {0x0006, {IDOK}, {"OK"}, false},
        {0x000F, {IDOK}, {"OK"}, false},
        {0x4031, {IDOK, IDCANCEL, IDHELP}, {"OK", "Cancel", "Help"}, true},
        {MB_YESNO | MB_HELP, {IDYES, IDNO, IDHELP}, {"Yes", "No", "Help"}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.style);
        CMessageBoxDialog dialog(MakeRequest("Text", row.style));
        EXPECT_EQ(CMessageBoxDialog::ButtonResults(row.style), row.results);
        EXPECT_EQ(Captions(dialog), row.captions);
        EXPECT_EQ(dialog.HasCloseItem(), row.closeItem);
        EXPECT_EQ(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint), row.closeItem);
        for (const CImageButton* button : dialog.Buttons())
            EXPECT_FALSE(button->Face().isNull()) << "every button shows its bitmap";
    }
}

TEST(MessageBoxTest, DefaultButtonComesFromTheStyle)
{
    const struct {
        unsigned style;
        int expected;
    } rows[] = {
        {MB_YESNOCANCEL, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_OKCANCEL | MB_HELP | MB_DEFBUTTON3, IDHELP},
        // A position beyond the row falls back to the first button.
        {MB_OK | MB_DEFBUTTON4, IDOK},
        {MB_YESNO | 0x0F00, IDYES},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.style);
        CMessageBoxDialog dialog(MakeRequest("Text", row.style));
        int defaults = 0;
        for (const CImageButton* button : dialog.Buttons())
            defaults += button->isDefault();
        EXPECT_EQ(defaults, 1);
        EXPECT_TRUE(dialog.Button(row.expected)->isDefault());
    }
}

TEST(MessageBoxTest, PressedButtonIsTheResult)
{
    for (int result : {IDABORT, IDRETRY, IDIGNORE}) {
        CMessageBoxDialog dialog(MakeRequest("Text", MB_ABORTRETRYIGNORE));
        dialog.show();
        dialog.Button(result)->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), result);
    }
}

TEST(MessageBoxTest, TitleBarCloseAndEscape)
{
    const struct {
        unsigned style;
        bool closes;
        int result;
    } rows[] = {
        {MB_OKCANCEL | MB_ICONEXCLAMATION, true, IDCANCEL},
        {MB_YESNOCANCEL, true, IDCANCEL},
        {MB_RETRYCANCEL, true, IDCANCEL},
        {MB_YESNO, false, 0},
        {MB_ABORTRETRYIGNORE, false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.style);
        CMessageBoxDialog byTitleBar(MakeRequest("Text", row.style));
        byTitleBar.show();
        byTitleBar.close();
        EXPECT_EQ(byTitleBar.isVisible(), !row.closes);
        EXPECT_EQ(byTitleBar.result(), row.result);

        CMessageBoxDialog byEscape(MakeRequest("Text", row.style));
        byEscape.show();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&byEscape, &escape);
        EXPECT_EQ(byEscape.isVisible(), !row.closes);
        EXPECT_EQ(byEscape.result(), row.result);
    }
}

TEST(MessageBoxTest, EscapeOnALoneOkIsOk)
{
    CMessageBoxDialog dialog(MakeRequest("Text", MB_OK | MB_ICONEXCLAMATION));
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), IDOK);
}

TEST(MessageBoxTest, HelpAsksForHelpAndStaysOpen)
{
    HelpRequests::ClearSubmitted();
    CMessageBoxDialog dialog(MakeRequest("Text", 0x4031));
    ASSERT_EQ(dialog.Buttons().size(), 3u);
    dialog.show();
    dialog.Button(IDHELP)->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(HelpRequests::Submitted().size(), 1u);
    EXPECT_EQ(HelpRequests::Submitted()[0].controlId, IDHELP);
    dialog.Button(IDOK)->click();
    EXPECT_EQ(dialog.result(), IDOK);
}

TEST(MessageBoxTest, OneLineBoxIsAsWideAsItsButtonsOrCaption)
{
    // Buttons: (84 + 6) per button, 11-pixel margins, one pixel to spare.
    const struct {
        unsigned style;
        int width;
    } rows[] = {
        {MB_OK, 1 * 90 + 22 - 6 + 1},
        {MB_YESNO, 2 * 90 + 22 - 6 + 1},
        {MB_YESNOCANCEL | MB_HELP, 4 * 90 + 22 - 6 + 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.style);
        CMessageBoxDialog dialog(MakeRequest("Hi", row.style, ""));
        EXPECT_EQ(dialog.width(), row.width);
    }

    const QString caption(60, QLatin1Char('W'));
    CMessageBoxDialog captioned(MakeRequest("Hi", MB_OK, caption));
    EXPECT_GT(captioned.width(), QFontMetrics(captioned.font()).horizontalAdvance(caption));
}

TEST(MessageBoxTest, LongLineWrapsAtTwoThirdsOfTheWorkArea)
{
    const int limit = WorkArea().width() * 2 / 3;
    const QString text = QString("word ").repeated(200).trimmed();
    CMessageBoxDialog dialog(MakeRequest(text, MB_OK));
    const QLabel* label = dialog.TextLabel();
    EXPECT_LE(label->width(), limit + 1);
    EXPECT_GT(label->width(), limit * 9 / 10);
    EXPECT_GT(label->height(), 3 * QFontMetrics(label->font()).height());
    // The label's own layout fits the text in the space it was given.
    EXPECT_LE(label->heightForWidth(label->width()), label->height());
    EXPECT_LT(dialog.width(), WorkArea().width());
}

TEST(MessageBoxTest, ShortTextCentresBesideTheIcon)
{
    CMessageBoxDialog dialog(MakeRequest("Short", MB_ICONEXCLAMATION));
    ASSERT_NE(dialog.IconLabel(), nullptr);
    const QRect icon = dialog.IconLabel()->geometry();
    const QRect text = dialog.TextLabel()->geometry();
    EXPECT_LE(std::abs(icon.center().y() - text.center().y()), 1);
    EXPECT_GT(text.left(), icon.right());
    EXPECT_LT(icon.bottom(), dialog.Buttons()[0]->y());

    CMessageBoxDialog plain(MakeRequest("Short", MB_OK));
    EXPECT_EQ(plain.IconLabel(), nullptr);
}

TEST(MessageBoxTest, LinesBreakAtCrLfAndLf)
{
    CMessageBoxDialog dialog(MakeRequest("one\r\ntwo\nthree", MB_OK));
    EXPECT_EQ(dialog.TextLabel()->text(), "one\ntwo\nthree");
    EXPECT_GE(dialog.TextLabel()->height(), 3 * QFontMetrics(dialog.TextLabel()->font()).height());
}

TEST(MessageBoxTest, BoxWithoutOwnerIsCentredInTheWorkArea)
{
    CMessageBoxDialog dialog(MakeRequest("Text", MB_OK));
    const QRect work = WorkArea();
    EXPECT_EQ(dialog.x(), work.x() + (work.width() - dialog.width()) / 2);
    EXPECT_EQ(dialog.y(), work.y() + (work.height() - dialog.height()) / 2);
}

TEST(MessageBoxTest, FormsLoadTheirTextsOrGiveMinusOne)
{
    MessageRecorder recorder;
    recorder.answers = {IDRETRY, IDCANCEL};
    EXPECT_EQ(AppMessageBox::Show(nullptr, 3139u, 102u, MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(AppMessageBox::Show(nullptr, QString("typed"), 101u, MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(AppMessageBox::Show(nullptr, 3139u, QString("Error"), MB_OK), IDOK);
    EXPECT_EQ(AppMessageBox::ShowRaw(nullptr, "raw text", "raw caption", MB_OK), IDOK);
    ASSERT_EQ(recorder.requests.size(), 4u);
    EXPECT_EQ(recorder.requests[0].text, "You must select a precision value.");
    EXPECT_EQ(recorder.requests[0].caption, "Error");
    EXPECT_EQ(recorder.requests[0].style, MB_RETRYCANCEL);
    EXPECT_EQ(recorder.requests[1].caption, "Curvix");
    EXPECT_EQ(recorder.requests[3].caption, "raw caption");

    EXPECT_EQ(AppMessageBox::Show(nullptr, 99999u, 102u, MB_OK), -1);
    EXPECT_EQ(AppMessageBox::Show(nullptr, 3139u, 99999u, MB_OK), -1);
    EXPECT_EQ(AppMessageBox::Show(nullptr, QString("typed"), 99999u, MB_OK), -1);
    EXPECT_EQ(AppMessageBox::Show(nullptr, 99999u, QString("Error"), MB_OK), -1);
    EXPECT_EQ(recorder.requests.size(), 4u) << "nothing is shown without its texts";
}

TEST(MessageBoxTest, ReportErrorShowsTheEngineMessage)
{
    MessageRecorder recorder;
    AppMessageBox::ReportError(nullptr, CExprException(1002, nullptr));
    ASSERT_EQ(recorder.requests.size(), 1u);
    EXPECT_EQ(recorder.requests[0].text.toStdString(), CExprException(1002, nullptr).Message());
    EXPECT_EQ(recorder.requests[0].caption, "Curvix");
    EXPECT_EQ(recorder.requests[0].style, MB_ICONEXCLAMATION);
}

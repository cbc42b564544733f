#include "kit/MessageBoxDialog.h"

#include "gui/AppText.h"
#include "kit/CImageButton.h"
#include "kit/HelpRequests.h"
#include "IdConversions.h"
#include "kit/MessageBoxStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace {

// The box's layout, in pixels: margins around the text, the icon column,
// the button row.
constexpr int kMargin = 11;
constexpr int kIconSize = 32;
constexpr int kIconGap = 11;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 6;
constexpr int kTextToButtons = 14;
constexpr int kTallText = 1 << 20;

QStyle::StandardPixmap IconOf(unsigned style)
{
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND:
        return QStyle::SP_MessageBoxCritical;
    case MB_ICONQUESTION:
        return QStyle::SP_MessageBoxQuestion;
    case MB_ICONEXCLAMATION:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

bool HasIcon(unsigned style)
{
    return (style & 0x70) != 0;
}

// The button sets that can be cancelled keep the title bar's Close item.
bool KeepsCloseItem(unsigned style)
{
    const unsigned set = style & MB_TYPEMASK;
    return set == MB_OKCANCEL || set == MB_YESNOCANCEL || set == MB_RETRYCANCEL;
}

QRect WorkArea(const QWidget* owner)
{
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

}  // namespace

MessageBoxDialog::MessageBoxDialog(const AppMessageBox::Request& request)
    : QDialog(request.owner), m_owner(request.owner)
{
    m_closeItem = KeepsCloseItem(request.style);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::MSWindowsFixedSizeDialogHint;
    if (m_closeItem)
        flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(request.caption);

    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_textLabel = new QLabel(text, this);
    m_textLabel->setTextFormat(Qt::PlainText);
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (HasIcon(request.style))
        CreateIcon(request.style);
    CreateButtons(request.style);
    LayOut(text, request.caption);
}

std::vector<int> MessageBoxDialog::ButtonResults(unsigned style)
{
    std::vector<int> set;
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        set = {IDOK, IDCANCEL};
        break;
    case MB_ABORTRETRYIGNORE:
        set = {IDABORT, IDRETRY, IDIGNORE};
        break;
    case MB_YESNOCANCEL:
        set = {IDYES, IDNO, IDCANCEL};
        break;
    case MB_YESNO:
        set = {IDYES, IDNO};
        break;
    case MB_RETRYCANCEL:
        set = {IDRETRY, IDCANCEL};
        break;
    default:
        set = {IDOK};
        break;
    }
    if (style & MB_HELP)
        set.push_back(IDHELP);
    return set;
}

CImageButton* MessageBoxDialog::Button(int result) const
{
    const auto found = std::find(m_results.begin(), m_results.end(), result);
    return found == m_results.end() ? nullptr : m_buttons[found - m_results.begin()];
}

void MessageBoxDialog::CreateIcon(unsigned style)
{
    m_iconLabel = new QLabel(this);
    m_iconLabel->setPixmap(this->style()->standardIcon(IconOf(style), nullptr, this).pixmap(kIconSize, kIconSize));
}

void MessageBoxDialog::CreateButtons(unsigned style)
{
    m_results = ButtonResults(style);
    for (int result : m_results) {
        auto* button = new CImageButton(AppText(ButtonCaptionOf(result)), this);
        button->resize(kButtonWidth, kButtonHeight);
        button->SetBitmap(ButtonBitmapOf(result));
        connect(button, &QPushButton::clicked, this, [this, result] { Press(result); });
        m_buttons.push_back(button);
    }
    // A default position beyond the row falls back to the first button.
    size_t defaultIndex = (style & MB_DEFMASK) >> 8;
    if (defaultIndex >= m_buttons.size())
        defaultIndex = 0;
    m_buttons[defaultIndex]->setDefault(true);
    m_buttons[defaultIndex]->setFocus();
}

void MessageBoxDialog::LayOut(const QString& text, const QString& caption)
{
    const QRect work = WorkArea(m_owner);
    const int limit = work.width() * 2 / 3;

    // The text's width: its widest line, wrapped at the limit when longer.
    const QFontMetrics metrics(m_textLabel->font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        int lineWidth = metrics.horizontalAdvance(line);
        if (lineWidth > limit)
            lineWidth = metrics.boundingRect(QRect(0, 0, limit, kTallText), Qt::TextWordWrap, line).width();
        widest = std::max(widest, lineWidth);
    }
    const int textHeight = metrics.boundingRect(QRect(0, 0, widest, kTallText), Qt::TextWordWrap, text).height();

    // The width the buttons and the caption need.
    const int count = static_cast<int>(m_buttons.size());
    const int buttonsWidth = (kButtonWidth + kButtonGap) * count + 2 * kMargin - kButtonGap;
    QFont captionFont = font();
    captionFont.setBold(true);
    const int captionWidth = QFontMetrics(captionFont).horizontalAdvance(caption)
                             + 3 * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int needed = std::max(buttonsWidth, captionWidth);

    const int textLeft = m_iconLabel ? kMargin + kIconSize + kIconGap : kMargin;
    const int textWidth = std::max(widest, needed - textLeft - kMargin);
    int textTop = kMargin;
    int bodyHeight = textHeight;
    if (m_iconLabel) {
        m_iconLabel->setGeometry(kMargin, kMargin, kIconSize, kIconSize);
        if (textHeight < kIconSize)
            textTop += (kIconSize - textHeight) / 2;
        bodyHeight = std::max(textHeight, kIconSize);
    }
    m_textLabel->setGeometry(textLeft, textTop, textWidth + 1, textHeight);

    const int clientWidth = textLeft + textWidth + kMargin + 1;
    const int buttonTop = kMargin + bodyHeight + kTextToButtons;
    const int rowWidth = (kButtonWidth + kButtonGap) * count - kButtonGap;
    int x = (clientWidth - rowWidth) / 2;
    for (CImageButton* button : m_buttons) {
        button->move(x, buttonTop);
        x += kButtonWidth + kButtonGap;
    }
    setFixedSize(clientWidth, buttonTop + kButtonHeight + kMargin);

    if (!m_owner)
        move(work.x() + (work.width() - width()) / 2, work.y() + (work.height() - height()) / 2);
}

void MessageBoxDialog::Press(int result)
{
    if (result != IDHELP) {
        done(result);
        return;
    }
    // Help asks the owner for help and leaves the box open.
    HelpRequest request;
    request.controlId = IDHELP;
    request.popup = true;
    HelpRequests::Submit(request);
}

void MessageBoxDialog::reject()
{
    if (m_closeItem)
        done(IDCANCEL);
    else if (m_results.front() == IDOK && (m_results.size() == 1 || m_results[1] == IDHELP))
        done(IDOK);
}

void MessageBoxDialog::closeEvent(QCloseEvent* event)
{
    if (!m_closeItem) {
        event->ignore();
        return;
    }
    event->accept();
    done(IDCANCEL);
}

#include "app/CReadingLine.h"

#include "model/AppStringFormat.h"
#include "expr/ExprExplanation.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTextCharFormat>

namespace {
constexpr int kIconSize = 16;
// While a computation holds the lock, the field is read again this much later.
constexpr int kRetryMilliseconds = 250;
const QColor kWarningColor(150, 80, 0);
const QColor kErrorColor(176, 0, 32);
const QColor kMarkBackground(255, 208, 208);

// The text with a place to break the line after each operator, since a
// formula has no spaces of its own.
QString Breakable(const std::string& text)
{
    QString breakable;
    for (const QChar c : QString::fromStdString(text)) {
        breakable += c;
        if (QStringLiteral("+-*/^,").contains(c))
            breakable += QChar(0x200B);
    }
    return breakable;
}

void SetColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

}  // namespace

CReadingLine::CReadingLine(QLineEdit& input, std::function<std::string()> currentArgument, QWidget* parent)
    : QWidget(parent),
      m_field(input),
      m_argument(std::move(currentArgument)),
      m_reading(new QLabel(this)),
      m_warningIcon(new QLabel(this)),
      m_warnings(new QLabel(this))
{
    m_reading->setObjectName("reading");
    m_warnings->setObjectName("warnings");
    for (QLabel* label : {m_reading, m_warnings}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Maximum);
    }
    // The line takes the height its text needs and no more.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    SetColor(m_warnings, kWarningColor);
    m_warningIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(kIconSize));
    m_warningIcon->setAlignment(Qt::AlignTop);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    layout->addWidget(m_reading, 0, 0, 1, 2);
    layout->addWidget(m_warningIcon, 1, 0);
    layout->addWidget(m_warnings, 1, 1);
    layout->setColumnStretch(1, 1);
    Clear();

    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &CReadingLine::Refresh);
    connect(&input, &QLineEdit::textChanged, this, &CReadingLine::Refresh);
}

void CReadingLine::Refresh()
{
    const std::string text = m_field.text().toStdString();
    if (text.empty()) {
        m_retry.stop();
        Clear();
        return;
    }
    const auto explanation = TryExplainExpression(text, m_argument().c_str());
    if (!explanation) {
        m_retry.start();
        return;
    }
    Show(*explanation);
}

void CReadingLine::Show(const ExprExplanation& explanation)
{
    if (explanation.error) {
        m_reading->setText(QString::fromStdString(explanation.error->Message()));
        SetColor(m_reading, kErrorColor);
    } else {
        m_reading->setText(Breakable(FormatAppString(StringId::ReadsAs, explanation.reading)));
        SetColor(m_reading, palette().color(QPalette::WindowText));
    }
    QStringList lines;
    for (const ExprWarning& warning : explanation.warnings)
        lines << QString::fromStdString(warning.text);
    m_warnings->setText(lines.join('\n'));
    m_reading->show();
    m_warningIcon->setVisible(!lines.isEmpty());
    m_warnings->setVisible(!lines.isEmpty());
    FitHeights();
    MarkError(explanation);
}

void CReadingLine::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitHeights();
}

// Wrapped lines ask for the height their text needs at their width, so that
// the page and its sheet grow to show them whole: tab pages do not pass a
// height that depends on the width up to their window.
void CReadingLine::FitHeights()
{
    for (QLabel* label : {m_reading, m_warnings}) {
        const int width = label->width() > 0 ? label->width() : this->width();
        // A label's height for a width is at least its minimum height.
        label->setMinimumHeight(0);
        label->setMinimumHeight(label->isHidden() ? 0 : label->heightForWidth(width));
    }
}

void CReadingLine::Clear()
{
    for (QLabel* label : {m_reading, m_warningIcon, m_warnings})
        label->hide();
    Mark(0, 0);
}

// The spot of a compile error: a name as a whole, else the one character.
void CReadingLine::MarkError(const ExprExplanation& explanation)
{
    const int position = explanation.error ? explanation.error->Position() : -1;
    if (position < 0) {
        Mark(0, 0);
        return;
    }
    const QByteArray typed = m_field.text().toUtf8();
    const QString text = m_field.text();
    const int start = static_cast<int>(QString::fromUtf8(typed.left(position)).size());
    int end = start;
    while (end < text.size() && text[end].isLetter() && text[end].unicode() < 128)
        ++end;
    Mark(start, std::max(end - start, 1));
}

// Formats part of the field's text the way an input method marks its
// text; the formats count from the cursor.
void CReadingLine::Mark(int start, int length)
{
    m_markStart = start;
    m_markLength = length;
    QList<QInputMethodEvent::Attribute> attributes;
    if (length > 0) {
        QTextCharFormat format;
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(kErrorColor);
        format.setBackground(kMarkBackground);
        attributes.append({QInputMethodEvent::TextFormat, start - m_field.cursorPosition(), length, format});
    }
    QInputMethodEvent event(QString(), attributes);
    QCoreApplication::sendEvent(&m_field, &event);
}

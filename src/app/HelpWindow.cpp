#include "app/HelpWindow.h"

#include "gui/AppText.h"
#include "kit/HelpRequests.h"
#include "app/HelpTopics.h"
#include "app/ProgramIcon.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>

namespace {

QPointer<HelpWindow>& Instance()
{
    static QPointer<HelpWindow> window;
    return window;
}

QPushButton* AddButton(QBoxLayout* row, StringId textId, QWidget* parent)
{
    auto* button = new QPushButton(AppText(textId), parent);
    button->setAutoDefault(true);
    row->addWidget(button);
    return button;
}

QUrl PageUrl(const std::string& page)
{
    return QUrl(QStringLiteral("qrc:/help/") + QString::fromStdString(page));
}

}  // namespace

// The pages are compiled into this static library; referencing the
// resource's initialiser keeps the linker from dropping them. Outside any
// namespace, as the initialiser's declaration must be.
static void InitHelpPages()
{
    Q_INIT_RESOURCE(help);
}

void HelpWindow::Install()
{
    HelpRequests::SetHandler([](const HelpRequest& request) {
        ShowTopic(request.contextId, QApplication::activeWindow());
    });
}

void HelpWindow::ShowContents(QWidget* parent)
{
    WindowFor(parent)->Open(ContentsUrl());
}

void HelpWindow::ShowTopic(std::uint32_t contextId, QWidget* parent)
{
    WindowFor(parent)->Open(TopicUrl(contextId));
}

void HelpWindow::ShowWebPage(QWidget* parent)
{
    WindowFor(parent)->Open(PageUrl(kHelpWebPage));
}

QUrl HelpWindow::TopicUrl(std::uint32_t contextId)
{
    return PageUrl(HelpTopicPage(contextId));
}

QUrl HelpWindow::ContentsUrl()
{
    return TopicUrl(0);
}

HelpWindow* HelpWindow::Current()
{
    return Instance();
}

HelpWindow* HelpWindow::WindowFor(QWidget* parent)
{
    // While a dialog runs, only its own windows take input: the help window
    // then belongs to that dialog.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = parent ? parent->window() : nullptr;
    QPointer<HelpWindow>& window = Instance();
    if (window && window->parentWidget() != owner)
        delete window;
    if (!window)
        window = new HelpWindow(owner);
    return window;
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), m_browser(new QTextBrowser(this))
{
    static const bool initialised = (InitHelpPages(), true);
    (void)initialised;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(AppText(StringId::HelpWindowCaption));
    setWindowIcon(ProgramIcon());
    m_browser->setOpenExternalLinks(true);

    auto* row = new QHBoxLayout;
    QPushButton* contents = AddButton(row, StringId::HelpContents, this);
    QPushButton* back = AddButton(row, StringId::HelpBack, this);
    QPushButton* forward = AddButton(row, StringId::HelpForward, this);
    row->addStretch();
    QObject::connect(contents, &QPushButton::clicked, m_browser, [this] { m_browser->setSource(ContentsUrl()); });
    QObject::connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    QObject::connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    QObject::connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    QObject::connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_browser);
    resize(640, 560);
}

void HelpWindow::Open(const QUrl& url)
{
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::Source() const
{
    return m_browser->source();
}

QString HelpWindow::PageTitle() const
{
    return m_browser->documentTitle();
}

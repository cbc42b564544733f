#pragma once

#include <QUrl>
#include <QWidget>

#include <cstdint>

class QTextBrowser;

// The program's help: bundled HTML pages in a browser window, one topic per
// context id. A single help window exists at a time; it belongs to the
// window that asked for it, so that it can be used while a dialog runs.
class HelpWindow : public QWidget {
public:
    // Routes the shared help requests (F1, Help buttons, context help of
    // controls) to the topic of their context id.
    static void Install();
    static void ShowContents(QWidget* parent);
    static void ShowTopic(std::uint32_t contextId, QWidget* parent);
    // The program's own page for the web-page command, used while no web
    // address is configured.
    static void ShowWebPage(QWidget* parent);

    // The page (with its anchor) for a context id; the contents page for an
    // id that has no topic of its own.
    static QUrl TopicUrl(std::uint32_t contextId);
    static QUrl ContentsUrl();
    // The open help window, or null.
    static HelpWindow* Current();

    QUrl Source() const;
    QString PageTitle() const;

private:
    explicit HelpWindow(QWidget* owner);
    static HelpWindow* WindowFor(QWidget* parent);
    void Open(const QUrl& url);

    QTextBrowser* m_browser;
};

#pragma once

#include <QPixmap>
#include <QWidget>

class QBoxLayout;

// The strip at the top of the main window that holds the menu bar and the
// toolbar, either side by side on one line or the toolbar below the menu
// bar, and that can show a watermark picture behind both.
class ChromeBand : public QWidget {
public:
    ChromeBand(QWidget* menuBar, QWidget* toolBar, QWidget* parent);

    void SetOneLine(bool oneLine);
    bool IsOneLine() const;
    // A null picture shows the window's plain background.
    void SetWatermark(const QPixmap& picture);
    bool HasWatermark() const { return !m_watermark.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QBoxLayout* m_layout;
    QPixmap m_watermark;
};

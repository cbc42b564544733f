#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The picture shown over the main window while the program starts. It
// closes itself after two seconds, or on the user's first key press or
// mouse click anywhere in the program; that key or click does nothing else.
// At most one splash window exists at a time.
class CSplashWindow : public QWidget {
public:
    // Start-up tells whether a splash is wanted at all.
    static void EnableSplash(bool enable);
    // Shows the splash over the frame, when enabled and none is shown yet.
    static void ShowSplashWindow(QWidget* frame);
    static void HideSplashWindow();
    static bool IsShown();

    ~CSplashWindow() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashWindow(QWidget* frame, const QPixmap& picture);
    void CenterOverOwner();

    QPixmap m_picture;
    QTimer m_timer;
};

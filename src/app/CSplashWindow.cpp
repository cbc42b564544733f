#include "app/CSplashWindow.h"

#include "gui/AppBitmap.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int kShowMilliseconds = 2000;

bool splashEnabled = false;
CSplashWindow* current = nullptr;

bool EndsSplash(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: {
        const Qt::MouseButton button = static_cast<const QMouseEvent*>(event)->button();
        return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    }
    default:
        return false;
    }
}

}  // namespace

void CSplashWindow::EnableSplash(bool enable)
{
    splashEnabled = enable;
}

void CSplashWindow::ShowSplashWindow(QWidget* frame)
{
    if (!splashEnabled || current)
        return;
    const QPixmap picture = LoadAppBitmap(BitmapId::Splash);
    if (picture.isNull())
        return;
    current = new CSplashWindow(frame, picture);
    current->show();
    current->repaint();
}

void CSplashWindow::HideSplashWindow()
{
    if (!current)
        return;
    // The timer's signal or the event filter may be running on the window:
    // hide it now and let the event loop delete it.
    CSplashWindow* splash = current;
    current = nullptr;
    qApp->removeEventFilter(splash);
    splash->hide();
    splash->deleteLater();
    QWidget* frame = splash->parentWidget();
    if (frame && frame->isVisible())
        frame->repaint();
}

bool CSplashWindow::IsShown()
{
    return current != nullptr;
}

CSplashWindow::CSplashWindow(QWidget* frame, const QPixmap& image)
    : QWidget(frame, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_picture(image)
{
    // The splash never takes the input: keys keep going to the window that
    // has them, and the application-wide filter sees them all.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(image.size());
    setCursor(Qt::ArrowCursor);
    CenterOverOwner();
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [] { HideSplashWindow(); });
    m_timer.start(kShowMilliseconds);
    qApp->installEventFilter(this);
}

CSplashWindow::~CSplashWindow()
{
    // The frame may go first and take its splash with it.
    if (current == this)
        current = nullptr;
}

void CSplashWindow::CenterOverOwner()
{
    // Over the owner when it is on screen, otherwise over the work area.
    const QWidget* owner = parentWidget();
    QRect area;
    if (owner && owner->isVisible() && !owner->isMinimized())
        area = owner->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    move(area.center() - rect().center());
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

bool CSplashWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A key that would trigger a shortcut first asks whether a widget wants
    // it; claiming it keeps the shortcut from firing, so the key press that
    // follows reaches this filter and is swallowed.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (EndsSplash(event)) {
        HideSplashWindow();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

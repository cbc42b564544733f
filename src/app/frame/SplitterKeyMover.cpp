#include "app/frame/SplitterKeyMover.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSplitter>

#include <algorithm>

namespace {

constexpr int kStep = 8;

}  // namespace

SplitterKeyMover::SplitterKeyMover(QSplitter& moved)
    : QObject(&moved), m_splitter(moved)
{
}

void SplitterKeyMover::Start()
{
    if (m_moving)
        return;
    m_moving = true;
    m_startSizes = m_splitter.sizes();
    m_splitter.setCursor(Qt::SplitHCursor);
    qApp->installEventFilter(this);
}

void SplitterKeyMover::MoveBy(int pixels)
{
    QList<int> sizes = m_splitter.sizes();
    const int total = sizes.value(0) + sizes.value(1);
    sizes[0] = std::clamp(sizes.value(0) + pixels, 0, total);
    sizes[1] = total - sizes[0];
    m_splitter.setSizes(sizes);
}

void SplitterKeyMover::Finish(bool keep)
{
    m_moving = false;
    qApp->removeEventFilter(this);
    m_splitter.unsetCursor();
    if (!keep)
        m_splitter.setSizes(m_startSizes);
}

bool SplitterKeyMover::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        Finish(true);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int step = key->modifiers() & Qt::ControlModifier ? 1 : kStep;
    switch (key->key()) {
    case Qt::Key_Left:
        MoveBy(-step);
        break;
    case Qt::Key_Right:
        MoveBy(step);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Finish(true);
        break;
    case Qt::Key_Escape:
        Finish(false);
        break;
    default:
        break;
    }
    return true;
}

#include "app/frame/SplitterKeyMover.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSplitter>

#include <algorithm>

namespace {

constexpr int kStep = 8;

}  // namespace

SplitterKeyMover::SplitterKeyMover(QSplitter& moved)
    : QObject(&moved), splitter(moved)
{
}

void SplitterKeyMover::Start()
{
    if (moving)
        return;
    moving = true;
    startSizes = splitter.sizes();
    splitter.setCursor(Qt::SplitHCursor);
    qApp->installEventFilter(this);
}

void SplitterKeyMover::MoveBy(int pixels)
{
    QList<int> sizes = splitter.sizes();
    const int total = sizes.value(0) + sizes.value(1);
    sizes[0] = std::clamp(sizes.value(0) + pixels, 0, total);
    sizes[1] = total - sizes[0];
    splitter.setSizes(sizes);
}

void SplitterKeyMover::Finish(bool keep)
{
    moving = false;
    qApp->removeEventFilter(this);
    splitter.unsetCursor();
    if (!keep)
        splitter.setSizes(startSizes);
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

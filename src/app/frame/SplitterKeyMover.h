#pragma once

#include <QList>
#include <QObject>

class QSplitter;

// Moves a splitter's bar from the keyboard: the arrow keys move it (Ctrl
// for single pixels), Enter or a mouse click keeps the new place, Escape
// puts the bar back. While it runs it takes every key of the program.
class SplitterKeyMover : public QObject {
public:
    explicit SplitterKeyMover(QSplitter& splitter);

    void Start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MoveBy(int pixels);
    void Finish(bool keep);

    QSplitter& m_splitter;
    QList<int> m_startSizes;
    bool m_moving = false;
};

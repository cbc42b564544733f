#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <utility>

class QLabel;
class QLineEdit;
struct ExprExplanation;

// The read-only line under a formula field that shows, as the user types,
// how the engine reads the formula: "Reads as: ..." and, below it in the
// warning colour with an icon, the warnings for spots that are easy to
// misread. A formula that does not compile shows the engine's message in
// place of the reading, and the field marks the spot of the problem.
//
// Typing never waits: while a computation holds the computation lock, the
// line keeps what it showed and reads the field again a moment later.
class CReadingLine : public QWidget {
public:
    // argument gives the name of the argument variable the field's formula
    // is compiled for ("x", "y" or "t").
    CReadingLine(QLineEdit& field, std::function<std::string()> argument, QWidget* parent);

    // Reads the field again (done on every change of its text; the owner
    // calls it when the argument changes).
    void Refresh();

    // The marked part of the field, as (start, length) in characters;
    // length 0 when nothing is marked.
    std::pair<int, int> MarkedSpan() const { return {m_markStart, m_markLength}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitHeights();
    void Show(const ExprExplanation& explanation);
    void Clear();
    void MarkError(const ExprExplanation& explanation);
    void Mark(int start, int length);

    QLineEdit& m_field;
    std::function<std::string()> m_argument;
    QLabel* m_reading;
    QLabel* m_warningIcon;
    QLabel* m_warnings;
    QTimer m_retry;
    int m_markStart = 0;
    int m_markLength = 0;
};

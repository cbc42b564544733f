#pragma once

#include "view/geometry/TickSpacing.h"

#include <QFont>
#include <QFontMetrics>

#include <cstdint>

class PaintContext;
class QPainter;
struct Tick;

// Tick marks and number labels along the horizontal and vertical axes and
// in the label strips. Columns are relative to the centring offset, rows
// likewise; the painter's origin is already placed for the line the ticks
// sit on.
class TickPainter {
public:
    enum class Kind { Minor, Major };

    TickPainter(QPainter& painter, const PaintContext& context);

    // Ticks on the row y (on the axis, or 1 in the bottom strip); labels
    // only for major ticks in the strip.
    void DrawHorizontal(int y, Kind kind, bool inStrip);
    // Ticks on the column x (on the axis, or 1 in the right strip).
    void DrawVertical(int x, Kind kind, bool inStrip);

    // The 10-pixel label font.
    static QFont LabelFont();

private:
    struct Span {
        int first;
        int last;
    };
    struct Mark {
        int from;   // first pixel across the line
        int to;     // just past the last one
        int besideFrom;
    };

    static Mark MarkOf(int line, Kind kind, bool inStrip);
    static double StepOf(const TickSpacing& spacing, Kind kind);
    void DrawHorizontalLabel(const Tick& tick, int y, Span columns);
    void DrawVerticalLabel(const Tick& tick, int x, Span rows);
    // Draws text and, on a pi axis, the pi sign after it; box is the
    // number's box.
    void DrawLabelText(const QRect& box, int flags, const QString& text, bool timesPi);
    Span Columns() const;
    Span Rows() const;

    QPainter& m_painter;
    const PaintContext& m_context;
    TickSpacing m_horizontal;
    TickSpacing m_vertical;
    QFont m_font;
    QFontMetrics m_metrics;
    int m_piWidth;
};

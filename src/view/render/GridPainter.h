#pragma once

#include <QImage>

#include <cstdint>

class PaintContext;
class QPainter;

// Dotted light grey grid lines at whole multiples of the grid step from the
// origin, copied in runs of a dotted pattern whose phase follows the
// absolute picture coordinate, so that the dots stay in place when the
// view scrolls. The painter's origin is the drawing origin.
class GridPainter {
public:
    GridPainter(QPainter& painter, const PaintContext& context);

    void Draw(int gridSize);

private:
    void DrawColumns(double step);
    void DrawRows(double step);
    // Runs of the pattern along one line from start to end (exclusive);
    // phase is the absolute coordinate of start.
    void DrawRun(const QImage& pattern, bool vertical, int line, int start, int end, std::int64_t phase);
    bool IsVector() const;
    void DrawDottedLine(bool vertical, int line, int start, int end, std::int64_t phase);

    QPainter& m_painter;
    const PaintContext& m_context;
    const QImage& m_rowPattern;     // for horizontal lines
    const QImage& m_columnPattern;  // for vertical lines
};

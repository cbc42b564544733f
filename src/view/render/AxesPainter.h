#pragma once

class PaintContext;
class QPainter;

// The two axes through the origin with their arrowheads and ticks, and the
// ruler lines, ticks and number labels of the two label strips.
class AxesPainter {
public:
    AxesPainter(QPainter& painter, const PaintContext& context);

    void Draw();

private:
    void DrawBottomStrip();
    void DrawRightStrip();
    void DrawHorizontalAxis();
    void DrawVerticalAxis();
    // Whether an axis band, in window pixels, is near enough to the drawing
    // area and meets the painted region.
    bool BandInView(int left, int top, int right, int bottom) const;

    QPainter& m_painter;
    const PaintContext& m_context;
};

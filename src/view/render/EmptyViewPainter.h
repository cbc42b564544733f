#pragma once

class QPainter;
class ViewLayout;

// What the view shows when there is nothing to draw: a message at the top
// of the drawing area and, when there is room below it, the logo.
class EmptyViewPainter {
public:
    // textId: 3008 before anything is computed, 3009 with no graph to show.
    static void Draw(QPainter& painter, const ViewLayout& layout, unsigned textId, bool showLogo);
};

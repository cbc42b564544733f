#pragma once

#include "Ids.h"

class QPainter;
class ViewLayout;

// What the view shows when there is nothing to draw: a message at the top
// of the drawing area and, when there is room below it, the logo.
class EmptyViewPainter {
public:
    // textId: NotComputed before anything is computed, NoGraphs with no graph to show.
    static void Draw(QPainter& painter, const ViewLayout& layout, StringId textId, bool showLogo);
};

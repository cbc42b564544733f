#pragma once

class QString;

// The window around the graph view that shows the pointer position; the main
// window puts the text into its status bar.
class CursorPosFrame {
public:
    virtual ~CursorPosFrame() = default;
    virtual void SetCursorPosText(const QString& text) = 0;
};

#pragma once

class AppSettings;
class QPainter;
class QPen;
class QColor;

// How curves are drawn: smoothed (anti-aliased) or not, and the pen's width
// in device-independent pixels. Unsmoothed one-pixel curves are the classic
// picture: a cosmetic pen, exactly the pixels the curve pass names.
struct CurveStyle {
    bool smooth = true;
    int width = 2;

    static CurveStyle From(const AppSettings& settings);
    static CurveStyle Classic() { return {false, 1}; }

    // The pen on a device of the ratio: the classic one-pixel pen covers one
    // window pixel, ratio image pixels wide.
    QPen Pen(const QColor& colour, double ratio) const;
    // Sets smoothing on the painter. A smoothed line is centred on the middle
    // of the pixels the classic line covers, so both lie in the same place.
    void Prepare(QPainter& painter) const;
};

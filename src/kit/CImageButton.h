#pragma once

#include "Ids.h"

#include <QPixmap>
#include <QPushButton>

// A push button that shows a small bitmap beside its caption. The face (the
// bitmap and the caption on the button's colour) is composed into one image
// that fills the button less a 3-pixel border, and composed again whenever
// the button's size, enabled state, colours, font or caption change. Without
// a bitmap the button is an ordinary text button.
class CImageButton : public QPushButton {
public:
    explicit CImageButton(const QString& caption, QWidget* parent = nullptr);

    // Shows the bitmap with this id; one that does not exist
    // leaves a plain text button.
    void SetBitmap(BitmapId bitmapId);
    // Changes the caption and composes the face again.
    void SetCaption(const QString& caption);
    // The composed face; null for a plain text button.
    const QPixmap& Face() const { return m_face; }
    // Where the bitmap sits in the face.
    QPoint BitmapPosition() const { return m_bitmapPosition; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ComposeFace();
    void ReportNoFace();

    QPixmap m_bitmap;
    QPixmap m_face;
    QPoint m_bitmapPosition;
};

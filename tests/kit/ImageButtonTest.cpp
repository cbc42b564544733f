#include "kit/CImageButton.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

TEST(ImageButtonTest, BitmapAndCaptionAreCentredTogether)
{
    const struct {
        int width;
        const char* caption;
    } rows[] = {
        {200, "OK"},
        {120, "&Cancel"},
        {60, "A caption far too long for its button"},  // no room: the bitmap starts at 0
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.caption);
        CImageButton button(row.caption);
        button.resize(row.width, 30);
        button.SetBitmap(BitmapId::OkButton);
        ASSERT_EQ(button.Face().size(), QSize(row.width - 6, 24));
        const int caption = QFontMetrics(button.font()).size(Qt::TextShowMnemonic, button.text()).width();
        const int free = row.width - 6 - caption - 16 - 12;
        EXPECT_EQ(button.BitmapPosition(), QPoint(std::max(0, free / 2), (24 - 16) / 2));
    }
}

TEST(ImageButtonTest, FaceFollowsStateAndKeysOutTheCornerColour)
{
    CImageButton button("OK");
    button.resize(100, 30);
    button.SetBitmap(BitmapId::OkButton);
    button.show();
    const QColor face = button.palette().color(QPalette::Active, QPalette::Button);
    const QImage image = button.Face().toImage();
    const QPoint corner = button.BitmapPosition();
    EXPECT_EQ(image.pixelColor(corner), face) << "transparent where the corner colour is";
    int drawn = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            drawn += image.pixelColor(corner + QPoint(x, y)) != face;
    }
    EXPECT_GT(drawn, 10) << "the rest of the bitmap shows";

    button.setEnabled(false);
    EXPECT_EQ(button.Face().toImage().pixelColor(0, 0), QColor(Qt::white));
    button.resize(150, 40);
    EXPECT_EQ(button.Face().size(), QSize(144, 34));
}

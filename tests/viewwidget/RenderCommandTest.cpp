// curvix-cli render: the PNG it writes and the arguments it refuses.

#include "CliRunner.h"
#include "PixelProbe.h"

#include <QImage>

namespace {

using RenderCommand = CliRunner;

}  // namespace

TEST_F(RenderCommand, WritesThePictureAtTheSize)
{
    CCurvixDoc doc(settings);
    doc.coordSystem.left = doc.coordSystem.bottom = -1;
    doc.coordSystem.right = doc.coordSystem.top = 1;
    GraphItem item;
    item.expression = "x";
    item.color = 0x0000FF;
    doc.AddGraph(item);
    const std::string file = Write("line.cvx", doc);
    struct Case {
        std::string size;
        int status;
        int width, height;
    };
    const Case cases[] = {
        {"", 0, 800, 600},
        {"--size 465x440", 0, 465, 440},
        {"--size 0x10", 1, 0, 0},
        {"--size 20", 1, 0, 0},
        {"--size 20x30x", 1, 0, 0},
    };
    for (const Case& c : cases) {
        const std::string out = Path("out.png");
        std::filesystem::remove(out);
        EXPECT_EQ(Run("render " + file + " -o " + out + " " + c.size).status, c.status) << c.size;
        if (c.status != 0)
            continue;
        const QImage image(QString::fromStdString(out));
        ASSERT_EQ(image.size(), QSize(c.width, c.height));
        // The 201 x 201 picture centred in the drawing area: the origin in
        // its middle, the red line through it.
        const int cx = (c.width - 65 - 201) / 2 + 100;
        const int cy = (c.height - 40 - 201) / 2 + 100;
        EXPECT_TRUE(RedNear(image, cx + 50, cy - 50)) << c.size;
        EXPECT_EQ(image.pixel(cx + 50, cy), qRgb(0, 0, 0)) << c.size;
    }
    EXPECT_EQ(Run("render " + file).status, 1);
}

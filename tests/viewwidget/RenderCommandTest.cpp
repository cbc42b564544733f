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
        int scale = 1;
    };
    const Case cases[] = {
        {"", 0, 800, 600},
        {"--size 465x440", 0, 465, 440},
        {"--size 465x440 --scale 2", 0, 465, 440, 2},
        {"--scale 3 --classic --size 300x280", 0, 300, 280, 3},
        {"--size 0x10", 1, 0, 0},
        {"--size 20", 1, 0, 0},
        {"--size 20x30x", 1, 0, 0},
        {"--scale 0.5", 1, 0, 0},
        {"--scale 5", 1, 0, 0},
        {"--scale", 1, 0, 0},
    };
    for (const Case& c : cases) {
        const std::string out = Path("out.png");
        std::filesystem::remove(out);
        EXPECT_EQ(Run("render " + file + " -o " + out + " " + c.size).status, c.status) << c.size;
        if (c.status != 0)
            continue;
        const QImage image(QString::fromStdString(out));
        ASSERT_EQ(image.size(), QSize(c.width, c.height) * c.scale);
        // The 201 x 201 picture centred in the drawing area: the origin in
        // its middle, the red line through it; the same places at any scale.
        const int cx = (c.width - 65 - 201) / 2 + 100;
        const int cy = (c.height - 40 - 201) / 2 + 100;
        EXPECT_TRUE(RedNear(image, (cx + 50) * c.scale, (cy - 50) * c.scale)) << c.size;
        EXPECT_EQ(image.pixel((cx + 50) * c.scale, cy * c.scale), qRgb(0, 0, 0)) << c.size;
    }
    EXPECT_EQ(Run("render " + file).status, 1);
}

// Without smoothing at one pixel the picture is the classic one, pixel for
// pixel (the stored pictures were drawn before curves could be smoothed);
// the default draws wider, smoothed curves over the same grid and labels.
TEST_F(RenderCommand, ClassicPictureIsUnchangedAndSmoothCurvesAreWider)
{
    struct Case {
        const char* document;
        const char* options;
        bool classic;
    };
    const Case cases[] = {
        {"gallery.cvx", "--classic", true},
        {"spiral.cvx", "--classic", true},
        {"gallery.cvx", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        const std::string out = Path("out.png");
        const std::string document = std::string(CURVIX_EXAMPLES) + "/" + c.document;
        ASSERT_EQ(Run("render " + document + " -o " + out + " --size 465x440 " + c.options).status, 0);
        const QImage image = QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
        const QString stored = QString(CURVIX_TEST_DATA "/classic-%1.png").arg(QString(c.document).chopped(4));
        const QImage classic = QImage(stored).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), classic.size());
        const int differing = DifferingPixels(image, classic);
        if (c.classic)
            EXPECT_EQ(differing, 0);
        else
            EXPECT_GT(differing, 1000);
    }
}

// curvix-cli render: the PNG it writes and the arguments it refuses.

#include "CliRunner.h"
#include "PixelProbe.h"

#include <QImage>
#include <QXmlStreamReader>

namespace {

using RenderCommand = CliRunner;

}  // namespace

TEST_F(RenderCommand, WritesThePictureAtTheSize)
{
    CCurvixDoc doc(m_settings);
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

namespace {

struct SvgCounts {
    QString viewBox;
    int paths = 0;
    int texts = 0;
    int redStrokes = 0;
};

SvgCounts ReadSvg(const std::string& text)
{
    SvgCounts counts;
    QXmlStreamReader reader(QByteArray::fromStdString(text));
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("svg"))
            counts.viewBox = reader.attributes().value("viewBox").toString();
        counts.paths += reader.name() == QLatin1String("path") || reader.name() == QLatin1String("polyline");
        counts.texts += reader.name() == QLatin1String("text");
        counts.redStrokes += reader.attributes().value("stroke") == QLatin1String("#ff0000");
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return counts;
}

}  // namespace

// The output's name chooses the format; SVG and PDF are drawings of the same
// client size as the PNG, with the curve as a path and the labels as text.
TEST_F(RenderCommand, WritesSvgOrPdfByTheOutputName)
{
    CCurvixDoc doc(m_settings);
    GraphItem item;
    item.expression = "sin(x)";
    item.color = 0x0000FF;
    doc.AddGraph(item);
    const std::string file = Write("sine.cvx", doc);
    const struct {
        const char* output;
        const char* starts;
    } rows[] = {
        {"out.svg", "<?xml"}, {"OUT.SVG", "<?xml"}, {"out.pdf", "%PDF-"}, {"out.Pdf", "%PDF-"},
        {"out.png", "\x89PNG"}, {"out.svg.png", "\x89PNG"}, {"out", "\x89PNG"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.output);
        ASSERT_EQ(Run("render " + file + " -o " + Path(row.output) + " --size 465x440 --scale 2").status, 0);
        const std::string written = Read(Path(row.output));
        EXPECT_EQ(written.rfind(row.starts, 0), 0u);
        if (written.rfind("<?xml", 0) == 0) {
            const SvgCounts svg = ReadSvg(written);
            EXPECT_EQ(svg.viewBox, "0 0 465 440");
            EXPECT_GE(svg.paths, 1);
            EXPECT_GE(svg.texts, 4);  // tick labels on both strips
            EXPECT_GE(svg.redStrokes, 1);
        } else if (written.rfind("%PDF-", 0) == 0) {
            // One page of 465 x 440 window pixels at two points each.
            std::size_t pages = 0;
            for (std::size_t at = written.find("/Type /Page"); at != std::string::npos;
                 at = written.find("/Type /Page", at + 1))
                pages += written.compare(at, 12, "/Type /Pages") != 0;
            EXPECT_EQ(pages, 1u);
            EXPECT_NE(written.find("/MediaBox [0 0 930.000000 880.000000]"), std::string::npos);
        }
    }
}

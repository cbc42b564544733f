#include "RenderCommand.h"

#include "AppSettings.h"
#include "CCurvixDoc.h"
#include "CliComputation.h"
#include "CliDocument.h"
#include "CliOutput.h"
#include "FileBytes.h"
#include "FileMessages.h"
#include "GraphRenderer.h"
#include "MemorySettingsBackend.h"
#include "ViewMapping.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = "curvix-cli render [--convert] FILE -o OUT.png [--size WxH] [--scale S] [--classic]";
constexpr int kLargestSide = 16384;
constexpr double kLargestScale = 4.0;

struct RenderArgs {
    const char* output = nullptr;
    int width = 800;
    int height = 600;
    double scale = 1.0;
    bool classic = false;
    std::vector<char*> rest;  // for the document's own options
};

// "WxH" with both sides from 1 to the largest side.
bool ParseSize(const char* text, RenderArgs& args)
{
    char* end = nullptr;
    const long width = std::strtol(text, &end, 10);
    if (end == text || *end != 'x')
        return false;
    const char* heightText = end + 1;
    const long height = std::strtol(heightText, &end, 10);
    if (end == heightText || *end != '\0' || width < 1 || height < 1 || width > kLargestSide
        || height > kLargestSide)
        return false;
    args.width = static_cast<int>(width);
    args.height = static_cast<int>(height);
    return true;
}

// A number from 1 to 4.
bool ParseScale(const char* text, RenderArgs& args)
{
    char* end = nullptr;
    const double scale = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(scale >= 1.0 && scale <= kLargestScale))
        return false;
    args.scale = scale;
    return true;
}

std::optional<RenderArgs> ParseArgs(std::span<char* const> args)
{
    RenderArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (std::strcmp(args[i], "-o") == 0 && hasValue)
            parsed.output = args[++i];
        else if (std::strcmp(args[i], "--size") == 0 && hasValue) {
            if (!ParseSize(args[++i], parsed))
                return std::nullopt;
        } else if (std::strcmp(args[i], "--scale") == 0 && hasValue) {
            if (!ParseScale(args[++i], parsed))
                return std::nullopt;
        } else if (std::strcmp(args[i], "--classic") == 0)
            parsed.classic = true;
        else
            parsed.rest.push_back(args[i]);
    }
    if (!parsed.output)
        return std::nullopt;
    return parsed;
}

// The view after the computation's update: the picture fitted (zoom falls
// back to 100 when it would not fit), the origin in the middle of the area.
ViewMapping ComputedView(CCurvixDoc& doc, int width, int height)
{
    ViewMapping view(doc.coordSystemInUse, doc.zoomX, doc.zoomY);
    view.SetClientSize(width, height);
    if (doc.IsComputed() && doc.GetDisplayedCount() > 0)
        view.FitPicture();
    view.SetScrollPosition(view.ClampedScroll(view.ScrollCentredOnOrigin()));
    return view;
}

// The picture is made whole in memory and written as a document is saved,
// so that a failed write leaves the previous file as it was. The message
// for a failure, or an empty one.
std::string WritePicture(const QImage& image, const char* path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    // Encoding into memory fails only when the memory runs out.
    if (!image.save(&buffer, "PNG"))
        return FileMessages::Saving(path, FileMessages::OutOfMemory());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(png.constData());
    return FileBytes::WriteReplacing(path, {bytes, static_cast<size_t>(png.size())});
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "%s\n", CliOutput::OneLine(message).c_str());
    return 3;
}

int Draw(CCurvixDoc& doc, const RenderArgs& args)
{
    MemorySettingsBackend backend;
    AppSettings settings(backend);
    if (args.classic) {
        settings.SmoothCurves = false;
        settings.CurveWidth = 1;
    }
    const ViewMapping view = ComputedView(doc, args.width, args.height);
    // The same picture in window pixels, drawn at scale times the pixels.
    QImage image(static_cast<int>(std::ceil(args.width * args.scale)), static_cast<int>(std::ceil(args.height * args.scale)),
                 QImage::Format_RGB32);
    if (image.isNull())
        return Fail(FileMessages::Saving(args.output, FileMessages::OutOfMemory()));
    image.setDevicePixelRatio(args.scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    GraphRenderer(doc, settings, view).DrawAll(painter);
    painter.end();
    const std::string failure = WritePicture(image, args.output);
    return failure.empty() ? 0 : Fail(failure);
}

// Drawing needs a GUI application; without a display the offscreen
// platform serves.
int WithGuiApplication(const std::function<int()>& body)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static char name[] = "curvix-cli";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    QGuiApplication app(argc, argv);
    return body();
}

}  // namespace

int RunRenderCommand(std::span<char* const> args)
{
    const std::optional<RenderArgs> parsed = ParseArgs(args);
    CliDocument file;
    if (!parsed || !file.ParseArgs(parsed->rest, 1))
        return CliOutput::UsageError(kUsage);
    if (int status = file.Open())
        return status;
    CCurvixDoc& doc = file.Document();
    // A cancelled or failed computation still draws what the view would show.
    if (std::optional<int> failed = CliComputation::Run(doc, CliComputation::Cancelled::Counts))
        return *failed;
    return WithGuiApplication([&] { return Draw(doc, *parsed); });
}

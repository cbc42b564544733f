#include "cli/RenderCommand.h"

#include "model/AppSettings.h"
#include "model/CCurvixDoc.h"
#include "cli/CliComputation.h"
#include "cli/CliDocument.h"
#include "cli/CliOutput.h"
#include "view/render/GraphRenderer.h"
#include "model/MemorySettingsBackend.h"
#include "view/render/PictureFile.h"
#include "view/geometry/ViewMapping.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = "curvix-cli render [--convert] FILE -o OUT.png|OUT.svg|OUT.pdf [--size WxH] [--scale S] [--classic]";
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
ViewMapping ComputedView(const CCurvixDoc& doc, const GraphComputation& computation, int width, int height)
{
    ViewMapping view(computation.InUse(), doc.zoomX, doc.zoomY);
    view.SetClientSize(width, height);
    if (computation.IsComputed() && computation.DisplayedCount() > 0)
        view.FitPicture();
    view.SetScrollPosition(view.ClampedScroll(view.ScrollCentredOnOrigin()));
    return view;
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "%s\n", CliOutput::OneLine(message).c_str());
    return 3;
}

int Draw(const CCurvixDoc& doc, const GraphComputation& computation, const RenderArgs& args)
{
    MemorySettingsBackend backend;
    AppSettings settings(backend);
    if (args.classic) {
        settings.SmoothCurves = false;
        settings.CurveWidth = 1;
    }
    const ViewMapping view = ComputedView(doc, computation, args.width, args.height);
    const PictureFile::Format format = PictureFile::FormatOf(QString::fromLocal8Bit(args.output));
    const QByteArray contents
        = PictureFile::Contents(GraphRenderer(computation, settings, view), QSize(args.width, args.height), args.scale, format);
    const std::string failure = PictureFile::Write(args.output, contents);
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
    GraphComputation& computation = file.Computation();
    // A cancelled or failed computation still draws what the view would show.
    if (std::optional<int> failed = CliComputation::Run(doc, computation, CliComputation::Cancelled::Counts))
        return *failed;
    return WithGuiApplication([&] { return Draw(doc, computation, *parsed); });
}

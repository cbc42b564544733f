// Writes the example documents and the document fuzzer's seed files with
// the program's own writer, or checks that the stored copies are current:
//   write_sample_documents [--check] EXAMPLES_DIR SEEDS_DIR

#include "model/AppSettings.h"
#include "model/Archive.h"
#include "model/CCurvixDoc.h"
#include "model/CoordSystem.h"
#include "model/FileBytes.h"
#include "model/MemorySettingsBackend.h"
#include "PreviousVersionFile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Files = std::map<std::string, Bytes>;

struct Graph {
    GraphKind kind;
    const char* expression;
    std::uint32_t color;  // 0x00BBGGRR
    const char* expression2 = "";
    bool hidden = false;
    bool advTimesPi = false;
    ArgRange advRange{};  // used when its precision is set
};

Bytes Document(const CoordSystem& cs, std::initializer_list<Graph> graphs, bool autoRefresh = true)
{
    MemorySettingsBackend backend;
    AppSettings settings(backend);
    CCurvixDoc doc(settings);
    doc.coordSystem = cs;
    doc.autoRefresh = autoRefresh;
    for (const Graph& graph : graphs) {
        GraphItem item;
        item.kind = graph.kind;
        item.expression = graph.expression;
        item.expression2 = graph.expression2;
        item.color = graph.color;
        item.hidden = graph.hidden;
        item.useAdvanced = graph.advRange.precision != 0;
        item.advTimesPi = graph.advTimesPi;
        item.advRange = graph.advRange;
        doc.AddGraph(item);
    }
    Archive archive;
    doc.Serialize(archive);
    return archive.Bytes();
}

CoordSystem Window(double halfWidth, double halfHeight)
{
    MemorySettingsBackend backend;
    CoordSystem cs = AppSettings(backend).defaultCoordSystem;
    cs.left = -halfWidth;
    cs.right = halfWidth;
    cs.top = halfHeight;
    cs.bottom = -halfHeight;
    return cs;
}

Files Examples()
{
    CoordSystem waves = Window(2, 4);
    waves.xTimesPi = true;
    waves.precision = 400;
    return {
        {"gallery.cvx", Document(Window(10, 7.5), {
            {KindYofX, "3*sin(x)", 0x000000C0},
            {KindYofX, "x^2/4 - 5", 0x00C00000},
            {KindXofY, "2*cos(y) - 6", 0x00008000},
            {KindParametric, "6*cos(3*t)", 0x00800080, "6*sin(2*t)", false, true, {0, 2, 400}},
            {KindPolar, "2 + 2*cos(t)", 0x00008080, "", false, true, {0, 2, 400}},
            {KindYofX, "5*e^(-x^2/4)", 0x00808080, "", true},
        })},
        {"spiral.cvx", Document(Window(12, 12), {{KindPolar, "t/2", 0x00C06000}})},
        {"lissajous.cvx", Document(Window(8, 8), {
            {KindParametric, "7*sin(3*t)", 0x000060C0, "7*cos(4*t)", false, true, {0, 2, 800}},
        })},
        {"waves.cvx", Document(waves, {
            {KindYofX, "sin(x)", 0x000000FF},
            {KindYofX, "sin(x) + sin(3*x)/3", 0x0000A000},
            {KindYofX, "sin(x) + sin(3*x)/3 + sin(5*x)/5", 0x00FF0000, "", false, true, {-1, 1, 800}},
        }, false)},
    };
}

Bytes Cut(Bytes bytes, size_t size)
{
    bytes.resize(size);
    return bytes;
}

Bytes Patched(Bytes bytes, size_t offset, std::uint8_t value)
{
    bytes[offset] = value;
    return bytes;
}

// One graph whose expression is stored in the wide string form, which the
// program reads but never writes.
Bytes WideString()
{
    Bytes bytes = Document(Window(5, 5), {});
    Archive record;
    const std::uint8_t wideMark[] = {0xFF, 0xFE, 0xFF, 0x03, 'x', 0, '^', 0, '2', 0};
    record.WriteBytes(wideMark);
    record.WriteString("");
    record.WriteWord(KindYofX);
    record.WriteZeros(3);
    record.WriteDword(0x00FF0000);
    ArgRange().Write(record);
    const size_t countOffset = 10 + 4 + 104 + 1;
    bytes[countOffset] = 1;
    bytes.insert(bytes.begin() + countOffset + 4, record.Bytes().begin(), record.Bytes().end());
    return bytes;
}

Files Seeds(const Files& examples)
{
    const Bytes& gallery = examples.at("gallery.cvx");
    PreviousVersionFile previous;
    previous.graphs = {{false, 0x0000FF, "x^2"}, {true, 0x00FF00, "sin(x)"}};
    previous.zoom = 150;
    return {
        {"empty.cvx", Document(Window(40, 40), {}, false)},
        {"gallery.cvx", gallery},
        {"previous.cvx", previous.Bytes()},
        {"wide-string.cvx", WideString()},
        {"cut.cvx", Cut(gallery, gallery.size() / 2)},
        {"unknown-version.cvx", Patched(gallery, 12, 0x01)},
        {"bad-kind.cvx", Patched(gallery, 10 + 4 + 104 + 1 + 4 + 1 + 8 + 1, 7)},
        {"bad-count.cvx", Patched(gallery, 10 + 4 + 104 + 1 + 3, 0x80)},
    };
}

// Writes the files into folder, or compares them with its files; returns
// the number of files that differ.
int Apply(const Files& files, const std::filesystem::path& folder, bool check)
{
    int stale = 0;
    for (const auto& [name, bytes] : files) {
        const auto path = folder / name;
        if (!check) {
            if (const std::string error = FileBytes::WriteReplacing(path, bytes); !error.empty()) {
                std::fprintf(stderr, "%s: %s\n", path.string().c_str(), error.c_str());
                ++stale;
            }
            continue;
        }
        Bytes stored;
        if (!FileBytes::Read(path, stored).empty() || stored != bytes) {
            std::fprintf(stderr, "%s is not current; rerun write_sample_documents\n", path.string().c_str());
            ++stale;
        }
    }
    return stale;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool check = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 3 + check) {
        std::fprintf(stderr, "usage: write_sample_documents [--check] EXAMPLES_DIR SEEDS_DIR\n");
        return 1;
    }
    const Files examples = Examples();
    const int stale = Apply(examples, argv[1 + check], check) + Apply(Seeds(examples), argv[2 + check], check);
    return stale == 0 ? 0 : 1;
}

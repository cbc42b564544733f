// Writing and reading .cvx files.

#include "Archive.h"
#include "CDocFileException.h"
#include "DocumentFixture.h"
#include "FileBytes.h"
#include "PreviousVersionFile.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Cause = CDocFileException::Cause;
using DocumentFile = DocumentFixture;

constexpr size_t kFirstGraphOffset = 10 + 4 + 104 + 1 + 4;

Bytes Written(CCurvixDoc& doc)
{
    Archive archive;
    doc.Serialize(archive);
    return archive.Bytes();
}

// Fills a document with one graph of every kind and no default values.
void FillSample(CCurvixDoc& doc)
{
    CoordSystem& cs = doc.coordSystem;
    cs.left = -3.25;
    cs.top = 2.0;
    cs.right = 7.5;
    cs.bottom = -1e-3;
    cs.precision = 1600;
    cs.xTimesPi = true;
    cs.yTimesPi = true;
    cs.paramRange = {-2, 2.5, 3200};
    cs.paramTimesPi = true;
    cs.polarRange = {0.5, 6, 100};
    cs.polarTimesPi = false;
    doc.autoRefresh = true;
    doc.zoomX = 250;
    doc.zoomY = 75;
    const struct {
        GraphKind kind;
        const char *expression, *expression2;
        bool hidden, useAdvanced, advTimesPi;
        std::uint32_t color;
        ArgRange advRange;
    } graphs[] = {
        {KindYofX, "sin(x)", "", false, true, true, 0x0000FF, {-1, 1, 800}},
        {KindXofY, "y^2", "", true, false, false, 0x00FF00, {3, 4, 0}},
        {KindParametric, "cos(t)", "sin(2*t)", false, true, false, 0xFF0000, {0, 6.25, 400}},
        {KindPolar, "1+cos(t)", "", false, false, true, 0x123456, {}},
    };
    for (const auto& g : graphs) {
        GraphItem item;
        item.kind = g.kind;
        item.expression = g.expression;
        item.expression2 = g.expression2;
        item.hidden = g.hidden;
        item.useAdvanced = g.useAdvanced;
        item.advTimesPi = g.advTimesPi;
        item.color = g.color;
        item.advRange = g.advRange;
        doc.AddGraph(item);
    }
}

// Reads bytes as the file at path and returns the error, if any.
std::optional<CDocFileException> OpenBytes(CCurvixDoc& doc, const std::filesystem::path& path, const Bytes& bytes)
{
    EXPECT_EQ(FileBytes::WriteReplacing(path, bytes), "");
    try {
        doc.OnOpenDocument(path.string());
    } catch (const CDocFileException& error) {
        return error;
    }
    return std::nullopt;
}

TEST_F(DocumentFile, EmptyDocumentIs139Bytes)
{
    const Bytes bytes = Written(doc);
    ASSERT_EQ(bytes.size(), 139u);
    EXPECT_EQ(std::memcmp(bytes.data(), "CurvixFile\x00\x00\x02\x00\x04\xD0\x42\x00", 18), 0);
    const Bytes tail = {0, 0, 0, 0, 0, 100, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(bytes.end() - static_cast<long>(tail.size()), bytes.end()), tail);
}

TEST_F(DocumentFile, GraphRecordLayout)
{
    GraphItem item;
    item.expression = std::string(255, 'x');
    item.kind = KindPolar;
    item.hidden = true;
    item.color = 0x00112233;
    item.advRange = {1.0, 2.0, 400};
    doc.AddGraph(item);
    const Bytes bytes = Written(doc);
    const std::uint8_t* record = bytes.data() + kFirstGraphOffset;
    const std::uint8_t head[] = {0xFF, 0xFF, 0x00};
    EXPECT_EQ(std::memcmp(record, head, 3), 0);
    const std::uint8_t fields[] = {0x00, 0x03, 0x00, 1, 0, 0, 0x33, 0x22, 0x11, 0x00};
    EXPECT_EQ(std::memcmp(record + 3 + 255, fields, sizeof fields), 0);
    EXPECT_EQ(bytes.size(), 139u + 3 + 255 + sizeof fields + 24);
}

TEST_F(DocumentFile, RoundTripRestoresEveryStoredField)
{
    FillSample(doc);
    for (GraphItem* item = doc.GetFirstGraph(); item; item = doc.GetNextGraph())
        item->ComputeRange(doc.coordSystem);
    const std::string path = File("sample.cvx").string();
    doc.SetModifiedFlag();
    doc.OnSaveDocument(path);
    EXPECT_FALSE(doc.IsModified());

    CCurvixDoc back(settings);
    back.SetModifiedFlag();
    back.OnOpenDocument(path);
    EXPECT_FALSE(back.IsModified());
    EXPECT_FALSE(back.coordSystem.Differs(doc.coordSystem));
    EXPECT_TRUE(back.autoRefresh);
    EXPECT_EQ(back.zoomX, 250);
    EXPECT_EQ(back.zoomY, 75);
    ASSERT_EQ(back.GetGraphCount(), 4);
    std::vector<GraphItem> written;
    for (GraphItem* item = doc.GetFirstGraph(); item; item = doc.GetNextGraph())
        written.push_back(*item);
    size_t i = 0;
    for (GraphItem* item = back.GetFirstGraph(); item; item = back.GetNextGraph(), ++i) {
        EXPECT_FALSE(item->Differs(written[i])) << i;
        EXPECT_EQ(item->expression2, written[i].expression2) << i;
        EXPECT_FALSE(item->range.Differs(ArgRange())) << i;
    }
    EXPECT_EQ(Written(back), Written(doc));
}

TEST_F(DocumentFile, PreviousVersionIsConvertedAfterTheQuestion)
{
    PreviousVersionFile old;
    old.xTimesPi = true;
    old.autoRefresh = true;
    old.graphs = {{true, 0x0000FF, "x^2"}, {false, 0x00FF00, "sin(x)"}};
    old.zoom = 150;
    EXPECT_FALSE(OpenBytes(doc, File("old.cvx"), old.Bytes()));
    EXPECT_EQ(prompt.asked, 1);

    CoordSystem expected = settings.defaultCoordSystem;
    expected.left = -10;
    expected.top = 5;
    expected.right = 10;
    expected.bottom = -5;
    expected.precision = 400;
    expected.xTimesPi = true;
    EXPECT_FALSE(doc.coordSystem.Differs(expected));
    EXPECT_TRUE(doc.autoRefresh);
    EXPECT_EQ(doc.zoomX, 150);
    EXPECT_EQ(doc.zoomY, 150);
    ASSERT_EQ(doc.GetGraphCount(), 2);
    GraphItem first;
    first.hidden = true;
    first.color = 0x0000FF;
    first.expression = "x^2";
    EXPECT_FALSE(doc.GetFirstGraph()->Differs(first));
    GraphItem* second = doc.GetNextGraph();
    EXPECT_EQ(second->kind, KindYofX);
    EXPECT_EQ(second->expression, "sin(x)");
    EXPECT_FALSE(second->hidden);
}

TEST_F(DocumentFile, DecliningTheConversionOpensNothingAndSaysNothing)
{
    PreviousVersionFile old;
    old.graphs = {{false, 1, "x"}};
    prompt.answer = false;
    doc.AddGraph(GraphItem());
    const auto error = OpenBytes(doc, File("old.cvx"), old.Bytes());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->GetCause(), Cause::UserCancelled);
    EXPECT_EQ(error->Message(), "");
    EXPECT_EQ(doc.GetGraphCount(), 0);

    doc.SetConversionPrompt(nullptr);
    EXPECT_EQ(OpenBytes(doc, File("old.cvx"), old.Bytes())->GetCause(), Cause::UserCancelled);
}

TEST_F(DocumentFile, UnknownVersionIsRefusedWithThePath)
{
    Bytes bytes = Written(doc);
    bytes[12] = 0x01;  // version 0x00010000
    const auto path = File("v1.cvx");
    const auto error = OpenBytes(doc, path, bytes);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->GetCause(), Cause::UnknownVersion);
    EXPECT_EQ(error->Text(), "Error opening file '" + path.string()
                                 + "'.\nThe file was created by unknown version of Curvix.");
    EXPECT_EQ(prompt.asked, 0);
}

TEST_F(DocumentFile, ValuesTheProgramCannotUseAreRefused)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    void (*damages[])(CCurvixDoc&) = {
        [](CCurvixDoc& d) { d.GetFirstGraph()->kind = static_cast<GraphKind>(4); },
        [](CCurvixDoc& d) { d.GetFirstGraph()->kind = static_cast<GraphKind>(-1); },
        [](CCurvixDoc& d) { d.coordSystem.precision = 0; },
        [](CCurvixDoc& d) { d.coordSystem.paramRange.precision = -5; },
        [](CCurvixDoc& d) { d.coordSystem.polarRange.precision = 0; },
        [](CCurvixDoc& d) { d.coordSystem.left = kNaN; },
        [](CCurvixDoc& d) { d.coordSystem.bottom = -kInf; },
        [](CCurvixDoc& d) { d.coordSystem.polarRange.to = kInf; },
        [](CCurvixDoc& d) { d.GetFirstGraph()->advRange.precision = 0; },  // uses its own range
        [](CCurvixDoc& d) { d.GetFirstGraph()->advRange.from = kNaN; },
        [](CCurvixDoc& d) { d.GetFirstGraph(), d.GetNextGraph()->advRange.to = kInf; },  // unused range
    };
    for (size_t i = 0; i < std::size(damages); ++i) {
        CCurvixDoc source(settings);
        FillSample(source);
        damages[i](source);
        const auto path = File("damaged.cvx");
        const auto error = OpenBytes(doc, path, Written(source));
        ASSERT_TRUE(error) << "damage " << i;
        EXPECT_EQ(error->GetCause(), Cause::Damaged) << i;
        EXPECT_EQ(error->Text(), "Error opening file '" + path.string()
                                     + "'.\nThe file is damaged or is not a Curvix document.");
        EXPECT_EQ(doc.GetGraphCount(), 0) << i;
        EXPECT_FALSE(doc.coordSystem.Differs(settings.defaultCoordSystem)) << i;
        EXPECT_FALSE(doc.autoRefresh) << i;  // the file's flag is not taken over
    }
}

TEST_F(DocumentFile, ValuesTheProgramCanUseAreKept)
{
    void (*changes[])(CCurvixDoc&) = {
        [](CCurvixDoc& d) { d.coordSystem.precision = 300; },
        [](CCurvixDoc& d) { std::swap(d.coordSystem.left, d.coordSystem.right); },
        [](CCurvixDoc& d) { d.AddGraph(*d.GetFirstGraph()); },
        [](CCurvixDoc& d) { d.GetFirstGraph(), d.GetNextGraph()->advRange.precision = 0; },  // unused
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        CCurvixDoc source(settings);
        FillSample(source);
        changes[i](source);
        const Bytes bytes = Written(source);
        EXPECT_FALSE(OpenBytes(doc, File("kept.cvx"), bytes)) << i;
        EXPECT_EQ(Written(doc), bytes) << i;
    }
}

TEST_F(DocumentFile, DamagedCountsAndCutFilesAreRefused)
{
    FillSample(doc);
    const Bytes valid = Written(doc);
    auto withCount = [&](std::uint32_t count) {
        Bytes bytes = valid;
        std::memcpy(bytes.data() + kFirstGraphOffset - 4, &count, 4);
        return bytes;
    };
    std::vector<Bytes> rows = {withCount(0xFFFFFFFF), withCount(0x7FFFFFFF), withCount(5)};
    for (size_t size : {5u, 10u, 14u, 100u, 118u, 130u})
        rows.emplace_back(valid.begin(), valid.begin() + static_cast<long>(size));
    rows.emplace_back(valid.begin(), valid.end() - 9);  // zoomY cut
    for (const Bytes& bytes : rows) {
        const auto error = OpenBytes(doc, File("cut.cvx"), bytes);
        ASSERT_TRUE(error) << bytes.size();
        EXPECT_EQ(error->GetCause(), Cause::Damaged) << bytes.size();
    }
    // The two reserved words at the end are not read.
    EXPECT_FALSE(OpenBytes(doc, File("short.cvx"), Bytes(valid.begin(), valid.end() - 8)));
}

TEST_F(DocumentFile, ZoomOfZeroOrLessReadsAsHundred)
{
    struct Row {
        std::int32_t zoomX, zoomY, readX, readY;
    } rows[] = {{0, 50, 100, 50}, {-20, 0, 100, 100}, {400, -1, 400, 100}, {1, 2, 1, 2}};
    for (const Row& row : rows) {
        CCurvixDoc source(settings);
        source.zoomX = row.zoomX;
        source.zoomY = row.zoomY;
        ASSERT_FALSE(OpenBytes(doc, File("zoom.cvx"), Written(source)));
        EXPECT_EQ(doc.zoomX, row.readX);
        EXPECT_EQ(doc.zoomY, row.readY);
    }
    PreviousVersionFile old;
    old.zoom = -3;
    ASSERT_FALSE(OpenBytes(doc, File("old.cvx"), old.Bytes()));
    EXPECT_EQ(doc.zoomX, 100);
    EXPECT_EQ(doc.zoomY, 100);
}

TEST_F(DocumentFile, DamagedPreviousVersionFilesAreRefused)
{
    PreviousVersionFile rows[4];
    rows[0].precision = 0;
    rows[1].left = std::numeric_limits<double>::infinity();
    rows[2].graphs = {{false, 0, "x"}};
    rows[3].graphs = {{false, 0, std::string(300, 'x')}};
    for (size_t i = 0; i < std::size(rows); ++i) {
        Bytes bytes = rows[i].Bytes();
        if (i >= 2)
            bytes.resize(bytes.size() - 7);  // cut inside the last graph
        const auto error = OpenBytes(doc, File("old.cvx"), bytes);
        ASSERT_TRUE(error) << i;
        EXPECT_EQ(error->GetCause(), Cause::Damaged) << i;
    }
}

TEST_F(DocumentFile, OpeningAMissingFileLeavesTheDocumentAlone)
{
    doc.AddGraph(GraphItem());
    doc.SetModifiedFlag();
    try {
        doc.OnOpenDocument(File("missing.cvx").string());
        FAIL();
    } catch (const CDocFileException& error) {
        EXPECT_EQ(error.GetCause(), Cause::SystemError);
        EXPECT_EQ(error.Text(), "No such file or directory");
    }
    EXPECT_EQ(doc.GetGraphCount(), 1);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentFile, FailedSaveKeepsThePreviousFileAndTheModifiedFlag)
{
    const auto target = File("busy");
    std::filesystem::create_directory(target);  // a file cannot replace a folder
    std::filesystem::create_directory(target / "inside");
    doc.SetModifiedFlag();
    EXPECT_THROW(doc.OnSaveDocument(target.string()), CDocFileException);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));

    EXPECT_THROW(doc.OnSaveDocument(File("no/such/folder.cvx").string()), CDocFileException);
    // Nothing but the folder is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(DocumentFile, SaveReplacesTheFileWithoutLeavingTemporaries)
{
    const auto target = File("doc.cvx");
    FileBytes::WriteReplacing(target, Bytes(1000, 0xAA));
    FileBytes::WriteReplacing(File("doc.cvx.tmp0"), Bytes{1});  // a name in the way
    doc.OnSaveDocument(target.string());
    Bytes bytes;
    EXPECT_EQ(FileBytes::Read(target, bytes), "");
    EXPECT_EQ(bytes, Written(doc));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
}

}  // namespace

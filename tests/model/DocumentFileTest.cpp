// Writing and reading .cvx files.

#include "ModelTest.h"
#include "PreviousVersionFile.h"

#include <cstring>
#include <limits>

namespace {

using DocumentFile = DocumentFixture;

constexpr size_t kFirstGraphOffset = 10 + 4 + 104 + 1 + 4;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::string kDamaged = "'.\nThe file is damaged or is not a Curvix document.";

// One graph of every kind and no default values anywhere.
void FillSample(CCurvixDoc& doc)
{
    CoordSystem& cs = doc.coordSystem;
    cs = {};
    cs.left = -3.25, cs.top = 2.0, cs.right = 7.5, cs.bottom = -1e-3, cs.precision = 1600;
    cs.xTimesPi = cs.yTimesPi = cs.paramTimesPi = true;
    cs.paramRange = {-2, 2.5, 3200};
    cs.polarRange = {0.5, 6, 400};
    doc.autoRefresh = true;
    doc.zoomX = 250;
    doc.zoomY = 75;
    GraphItem graphs[] = {MakeGraph(KindYofX, "sin(x)", "unused"), MakeGraph(KindXofY, "y^2"),
                          MakeGraph(KindParametric, "cos(t)", "sin(2*t)"), MakeGraph(KindPolar, "1+cos(t)")};
    graphs[0].useAdvanced = graphs[0].advTimesPi = true;
    graphs[0].advRange = {-1, 1, 800};
    graphs[1].hidden = true;
    graphs[1].advRange = {3, 4, 0};
    graphs[2].useAdvanced = true;
    graphs[2].advRange = {0, 6.25, 400};
    for (size_t i = 0; i < std::size(graphs); ++i) {
        graphs[i].color = 0x123456 * static_cast<std::uint32_t>(i + 1);
        doc.AddGraph(graphs[i]);
    }
}

TEST_F(DocumentFile, WrittenLayout)
{
    Bytes bytes = Written(doc);
    ASSERT_EQ(bytes.size(), 139u);
    EXPECT_EQ(std::memcmp(bytes.data(), "CurvixFile\x00\x00\x02\x00\x04\xD0\x42\x00", 18), 0);
    const Bytes tail = {0, 0, 0, 0, 0, 100, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(bytes.end() - static_cast<long>(tail.size()), bytes.end()), tail);

    GraphItem item = MakeGraph(KindPolar, std::string(255, 'x').c_str());
    item.hidden = true;
    item.color = 0x00112233;
    item.advRange = {1.0, 2.0, 400};
    doc.AddGraph(item);
    bytes = Written(doc);
    const std::uint8_t* record = bytes.data() + kFirstGraphOffset;
    EXPECT_EQ(std::memcmp(record, "\xFF\xFF\x00", 3), 0);
    const std::uint8_t fields[] = {0x00, 0x03, 0x00, 1, 0, 0, 0x33, 0x22, 0x11, 0x00};
    EXPECT_EQ(std::memcmp(record + 3 + 255, fields, sizeof fields), 0);
    EXPECT_EQ(bytes.size(), 139u + 3 + 255 + sizeof fields + 24);
}

// With the layout above fixed, equal bytes after reading back mean every
// stored field came back; the effective range is not stored.
TEST_F(DocumentFile, RoundTripRestoresEveryStoredField)
{
    FillSample(doc);
    for (GraphItem* item = doc.GetFirstGraph(); item; item = doc.GetNextGraph())
        item->ComputeRange(doc.coordSystem);
    doc.SetModifiedFlag();
    doc.OnSaveDocument(File("sample.cvx").string());
    EXPECT_FALSE(doc.IsModified());

    CCurvixDoc back(settings);
    back.SetModifiedFlag();
    back.OnOpenDocument(File("sample.cvx").string());
    EXPECT_FALSE(back.IsModified());
    EXPECT_EQ(Written(back), Written(doc));
    for (GraphItem* item = back.GetFirstGraph(); item; item = back.GetNextGraph())
        EXPECT_FALSE(item->range.Differs(ArgRange()));
}

TEST_F(DocumentFile, PreviousVersionIsConvertedAfterTheQuestion)
{
    PreviousVersionFile old;
    old.xTimesPi = old.autoRefresh = true;
    old.graphs = {{true, 0x0000FF, "x^2"}, {false, 0x00FF00, "sin(x)"}};
    old.zoom = 150;
    EXPECT_FALSE(OpenBytes(old.Bytes()));
    EXPECT_EQ(prompt.asked, 1);

    CoordSystem expected = settings.defaultCoordSystem;
    expected.left = -10, expected.top = 5, expected.right = 10, expected.bottom = -5;
    expected.precision = 400;
    expected.xTimesPi = true;
    EXPECT_FALSE(doc.coordSystem.Differs(expected));
    EXPECT_TRUE(doc.autoRefresh);
    EXPECT_EQ(doc.zoomX, 150);
    EXPECT_EQ(doc.zoomY, 150);
    ASSERT_EQ(doc.GetGraphCount(), 2);
    GraphItem first = MakeGraph(KindYofX, "x^2");
    first.hidden = true;
    first.color = 0x0000FF;
    EXPECT_FALSE(doc.GetFirstGraph()->Differs(first));
    EXPECT_EQ(doc.GetNextGraph()->expression, "sin(x)");
}

// A declined conversion says nothing; an unknown version names the path.
// Either way the document is left empty and nothing more is asked.
TEST_F(DocumentFile, RefusalsBeforeReading)
{
    PreviousVersionFile old;
    old.graphs = {{false, 1, "x"}};
    Bytes newer = Written(doc);
    newer[12] = 0x01;  // version 0x00010000
    const std::string unknown = "Error opening file '" + File("doc.cvx").string()
        + "'.\nThe file was created by unknown version of Curvix.";
    prompt.answer = false;
    const std::tuple<Bytes, bool, Cause, std::string, int> rows[] = {
        {old.Bytes(), true, Cause::UserCancelled, "", 1},
        {old.Bytes(), false, Cause::UserCancelled, "", 0},
        {newer, true, Cause::UnknownVersion, unknown, 0},
    };
    for (const auto& [bytes, withPrompt, cause, text, asked] : rows) {
        SCOPED_TRACE(text);
        prompt.asked = 0;
        doc.SetConversionPrompt(withPrompt ? &prompt : nullptr);
        doc.AddGraph(GraphItem());
        const auto error = OpenBytes(bytes);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->GetCause(), cause);
        EXPECT_EQ(error->Message(), text);
        EXPECT_EQ(doc.GetGraphCount(), 0);
        EXPECT_EQ(prompt.asked, asked);
    }
}

// Values the program cannot draw with are refused and leave an empty
// document; values it can use come back byte for byte.
TEST_F(DocumentFile, RefusesUnusableValuesOnly)
{
    struct Row {
        void (*change)(CCurvixDoc&);
        bool refused;
    } rows[] = {
        {[](CCurvixDoc& d) { d.GetFirstGraph()->kind = static_cast<GraphKind>(4); }, true},
        {[](CCurvixDoc& d) { d.coordSystem.precision = 0; }, true},
        {[](CCurvixDoc& d) { d.coordSystem.paramRange.precision = -5; }, true},
        {[](CCurvixDoc& d) { d.coordSystem.polarRange.precision = 0; }, true},
        {[](CCurvixDoc& d) { d.coordSystem.left = kNaN; }, true},
        {[](CCurvixDoc& d) { d.coordSystem.bottom = -kInf; }, true},
        {[](CCurvixDoc& d) { d.coordSystem.polarRange.to = kInf; }, true},
        {[](CCurvixDoc& d) { d.GetFirstGraph()->advRange.precision = 0; }, true},  // its own range
        {[](CCurvixDoc& d) { d.GetFirstGraph()->advRange.from = kNaN; }, true},
        {[](CCurvixDoc& d) { d.GetFirstGraph(), d.GetNextGraph()->advRange.to = kInf; }, true},  // unused
        {[](CCurvixDoc& d) { d.GetFirstGraph(), d.GetNextGraph()->advRange.precision = 0; }, false},
        {[](CCurvixDoc& d) { d.coordSystem.precision = 300; }, false},
        {[](CCurvixDoc& d) { std::swap(d.coordSystem.left, d.coordSystem.right); }, false},
        {[](CCurvixDoc& d) { d.AddGraph(*d.GetFirstGraph()); }, false},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        CCurvixDoc source(settings);
        FillSample(source);
        rows[i].change(source);
        const Bytes bytes = Written(source);
        const auto error = OpenBytes(bytes);
        ASSERT_EQ(error.has_value(), rows[i].refused);
        if (!error) {
            EXPECT_EQ(Written(doc), bytes);
            continue;
        }
        EXPECT_EQ(error->GetCause(), Cause::Damaged);
        EXPECT_EQ(error->Text(), "Error opening file '" + File("doc.cvx").string() + kDamaged);
        EXPECT_EQ(doc.GetGraphCount(), 0);
        EXPECT_FALSE(doc.coordSystem.Differs(settings.defaultCoordSystem));
        EXPECT_FALSE(doc.autoRefresh);  // the file's flag is not taken over
    }
}

TEST_F(DocumentFile, DamagedCountsAndCutFilesAreRefused)
{
    FillSample(doc);
    const Bytes valid = Written(doc);
    std::vector<Bytes> rows;
    for (std::uint32_t count : {0xFFFFFFFFu, 0x7FFFFFFFu, 5u}) {
        rows.push_back(valid);
        std::memcpy(rows.back().data() + kFirstGraphOffset - 4, &count, 4);
    }
    for (size_t size : {size_t{5}, size_t{14}, size_t{118}, size_t{130}, valid.size() - 9})  // the last cuts zoomY
        rows.emplace_back(valid.begin(), valid.begin() + static_cast<long>(size));
    PreviousVersionFile old[4];
    old[0].precision = 0;
    old[1].left = kInf;
    old[2].graphs = {{false, 0, "x"}};
    old[3].graphs = {{false, 0, std::string(300, 'x')}};
    for (size_t i = 0; i < std::size(old); ++i) {
        rows.push_back(old[i].Bytes());
        if (i >= 2)
            rows.back().resize(rows.back().size() - 7);  // cut inside the last graph
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const auto error = OpenBytes(rows[i]);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->GetCause(), Cause::Damaged);
    }
    // The two reserved words at the end are not read.
    EXPECT_FALSE(OpenBytes(Bytes(valid.begin(), valid.end() - 8)));
}

TEST_F(DocumentFile, ZoomOfZeroOrLessReadsAsHundred)
{
    struct Row {
        std::int32_t zoomX, zoomY, readX, readY;
    } rows[] = {{0, 50, 100, 50}, {400, -1, 400, 100}, {1, 2, 1, 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.zoomX);
        CCurvixDoc source(settings);
        source.zoomX = row.zoomX;
        source.zoomY = row.zoomY;
        ASSERT_FALSE(OpenBytes(Written(source)));
        EXPECT_EQ(doc.zoomX, row.readX);
        EXPECT_EQ(doc.zoomY, row.readY);
    }
    PreviousVersionFile old;
    old.zoom = -3;
    ASSERT_FALSE(OpenBytes(old.Bytes()));
    EXPECT_EQ(doc.zoomX, 100);
    EXPECT_EQ(doc.zoomY, 100);
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
    std::filesystem::create_directories(target / "inside");  // a file cannot replace a folder
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

// Writing and reading .cvx files.

#include "ModelTest.h"
#include "PreviousVersionFile.h"

#include <cstring>
#include <limits>

namespace {

using DocumentFile = DocumentFixture;

constexpr size_t kFirstGraphOffset = 10 + 4 + 104 + 1 + 4;
constexpr double kInf = std::numeric_limits<double>::infinity();

// One graph of every kind and no default values anywhere.
void FillSample(CCurvixDoc& doc)
{
    CoordSystem& cs = doc.coordSystem;
    cs.left = -3.25, cs.top = 2.0, cs.right = 7.5, cs.bottom = -1e-3, cs.precision = 1600;
    cs.xTimesPi = cs.yTimesPi = cs.paramTimesPi = true, cs.polarTimesPi = false;
    cs.paramRange = {-2, 2.5, 3200}, cs.polarRange = {0.5, 6, 400};
    doc.autoRefresh = true, doc.zoomX = 250, doc.zoomY = 75;
    GraphItem graphs[] = {MakeGraph(KindYofX, "sin(x)", "unused"), MakeGraph(KindXofY, "y^2"),
                          MakeGraph(KindParametric, "cos(t)", "sin(2*t)"), MakeGraph(KindPolar, "1+cos(t)")};
    graphs[0].useAdvanced = graphs[0].advTimesPi = true, graphs[0].advRange = {-1, 1, 800};
    graphs[1].hidden = true, graphs[1].advRange = {3, 4, 0};
    graphs[2].useAdvanced = true, graphs[2].advRange = {0, 6.25, 400};
    for (size_t i = 0; i < std::size(graphs); ++i)
        graphs[i].color = 0x123456 * static_cast<std::uint32_t>(i + 1), doc.AddGraph(graphs[i]);
}

TEST_F(DocumentFile, WrittenLayout)
{
    Bytes bytes = Written(m_doc);
    ASSERT_EQ(bytes.size(), 139u);
    EXPECT_EQ(std::memcmp(bytes.data(), "CurvixFile\x00\x00\x02\x00\x04\xD0\x42\x00", 18), 0);
    const Bytes tail = {0, 0, 0, 0, 0, 100, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(bytes.end() - static_cast<long>(tail.size()), bytes.end()), tail);

    GraphItem item = MakeGraph(KindPolar, std::string(255, 'x').c_str());
    item.hidden = true, item.color = 0x00112233, item.advRange = {1.0, 2.0, 400};
    m_doc.AddGraph(item);
    bytes = Written(m_doc);
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
    FillSample(m_doc);
    for (GraphItem* item = m_doc.GetFirstGraph(); item; item = m_doc.GetNextGraph())
        item->ComputeRange(m_doc.coordSystem);
    m_doc.SetModifiedFlag();
    m_doc.OnSaveDocument(File("sample.cvx"));
    EXPECT_FALSE(m_doc.IsModified());

    CCurvixDoc back(m_settings);
    back.SetModifiedFlag();
    back.OnOpenDocument(File("sample.cvx"));
    EXPECT_FALSE(back.IsModified());
    EXPECT_EQ(Written(back), Written(m_doc));
    for (GraphItem* item = back.GetFirstGraph(); item; item = back.GetNextGraph())
        EXPECT_FALSE(item->range.Differs(ArgRange()));
}

// The previous version's file is taken over after the question, its one
// zoom for both axes and a zoom of zero or less as 100 like the current one.
TEST_F(DocumentFile, PreviousVersionIsConvertedAfterTheQuestion)
{
    PreviousVersionFile old;
    old.xTimesPi = old.autoRefresh = true;
    old.graphs = {{true, 0x0000FF, "x^2"}, {false, 0x00FF00, "sin(x)"}};
    old.zoom = 150;
    EXPECT_TRUE(!OpenBytes(old.Bytes()) && m_prompt.asked == 1);
    CoordSystem expected = m_settings.defaultCoordSystem;
    expected.left = -10, expected.top = 5, expected.right = 10, expected.bottom = -5, expected.precision = 400;
    expected.xTimesPi = true;
    EXPECT_FALSE(m_doc.coordSystem.Differs(expected));
    EXPECT_TRUE(m_doc.autoRefresh && m_doc.zoomX == 150 && m_doc.zoomY == 150);
    ASSERT_EQ(m_doc.GetGraphCount(), 2);
    const GraphItem* first = m_doc.GetFirstGraph();
    EXPECT_TRUE(first->hidden && first->color == 0xFF && first->expression == "x^2" && !first->useAdvanced);
    EXPECT_EQ(m_doc.GetNextGraph()->expression, "sin(x)");

    old.zoom = -3;
    ASSERT_FALSE(OpenBytes(old.Bytes()));
    EXPECT_TRUE(m_doc.zoomX == 100 && m_doc.zoomY == 100);
    m_doc.zoomX = 0, m_doc.zoomY = 2;
    ASSERT_FALSE(OpenBytes(Written(m_doc)));
    EXPECT_TRUE(m_doc.zoomX == 100 && m_doc.zoomY == 2);
}

// A declined conversion (or no one to ask) says nothing; an unknown version
// names the path. Either way the document keeps what it held.
TEST_F(DocumentFile, RefusalsBeforeReading)
{
    Bytes newer = Written(m_doc);
    newer[12] = 0x01;  // version 0x00010000
    m_prompt.answer = false;
    const std::tuple<ConversionPrompt*, Bytes, Cause, std::string> rows[] = {
        {&m_prompt, PreviousVersionFile().Bytes(), Cause::UserCancelled, ""},
        {nullptr, PreviousVersionFile().Bytes(), Cause::UserCancelled, ""},
        {&m_prompt, newer, Cause::UnknownVersion,
         "Error opening file '" + File("doc.cvx") + "'.\nThe file was created by unknown version of Curvix."},
    };
    for (const auto& [asking, bytes, cause, text] : rows) {
        m_doc.SetConversionPrompt(asking);
        m_doc.AddGraph(GraphItem());
        const int count = m_doc.GetGraphCount();
        const auto error = OpenBytes(bytes);
        ASSERT_TRUE(error && error->GetCause() == cause);
        EXPECT_EQ(error->Message(), text);
        EXPECT_TRUE(m_doc.GetGraphCount() == count && m_prompt.asked == 1);
    }
}

// Values the program cannot draw with, damaged counts and cut files are
// refused, without the conversion question, and leave the document as it
// was; values it can use come back byte for byte.
TEST_F(DocumentFile, RefusesDamageAndUnusableValuesOnly)
{
    using Change = void (*)(CCurvixDoc&);
    const std::pair<Change, bool> changes[] = {
        {[](CCurvixDoc& d) { d.GetFirstGraph()->kind = static_cast<GraphKind>(4); }, true},
        {[](CCurvixDoc& d) { d.coordSystem.precision = 0; }, true},
        {[](CCurvixDoc& d) { d.coordSystem.paramRange.precision = -5; }, true},
        {[](CCurvixDoc& d) { d.coordSystem.left = std::numeric_limits<double>::quiet_NaN(); }, true},
        {[](CCurvixDoc& d) { d.coordSystem.polarRange.to = kInf; }, true},
        {[](CCurvixDoc& d) { d.GetFirstGraph()->advRange.precision = 0; }, true},  // its own range
        {[](CCurvixDoc& d) { d.GetFirstGraph(), d.GetNextGraph()->advRange.to = kInf; }, true},  // unused
        {[](CCurvixDoc& d) { d.GetFirstGraph(), d.GetNextGraph()->advRange.precision = 0; }, false},
        {[](CCurvixDoc& d) { d.coordSystem.precision = 300; }, false},
        {[](CCurvixDoc& d) { std::swap(d.coordSystem.left, d.coordSystem.right); }, false},
    };
    std::vector<std::pair<Bytes, bool>> rows;
    for (const auto& [change, refused] : changes) {
        CCurvixDoc source(m_settings);
        FillSample(source);
        change(source);
        rows.emplace_back(Written(source), refused);
    }
    const Bytes valid = rows.back().first;
    for (std::uint32_t count : {0xFFFFFFFFu, 5u}) {
        rows.emplace_back(valid, true);
        std::memcpy(rows.back().first.data() + kFirstGraphOffset - 4, &count, 4);
    }
    for (size_t size : {size_t{14}, size_t{130}, valid.size() - 9})  // the last cuts zoomY
        rows.emplace_back(Bytes(valid.begin(), valid.begin() + static_cast<long>(size)), true);
    rows.emplace_back(Bytes(valid.begin(), valid.end() - 8), false);  // the two reserved words are not read
    PreviousVersionFile old[3];
    old[0].precision = 0;
    old[1].graphs = old[2].graphs = {{false, 0, std::string(300, 'x')}};
    for (const PreviousVersionFile& file : old)
        rows.emplace_back(file.Bytes(), true);
    rows.end()[-2].first.resize(rows.end()[-2].first.size() - 7);  // cut inside the last graph
    rows.back().first.push_back(0);  // a byte after the end
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& [bytes, refused] = rows[i];
        m_doc.autoRefresh = !m_doc.autoRefresh;
        const Bytes before = Written(m_doc);
        const auto error = OpenBytes(bytes);
        ASSERT_EQ(error.has_value(), refused) << "row " << i;
        if (!error) {
            EXPECT_EQ(Written(m_doc), i < std::size(changes) ? bytes : valid);
            continue;
        }
        EXPECT_EQ(error->GetCause(), Cause::Damaged);
        EXPECT_EQ(error->Text(), "Error opening file '" + File("doc.cvx")
                                     + "'.\nThe file is damaged or is not a Curvix document.");
        // Nothing of the file is taken over, not even its flag.
        EXPECT_EQ(Written(m_doc), before) << "row " << i;
    }
    EXPECT_EQ(m_prompt.asked, 0);
}

TEST_F(DocumentFile, OpeningAMissingFileLeavesTheDocumentAlone)
{
    m_doc.AddGraph(GraphItem());
    m_doc.SetModifiedFlag();
    const auto error = Open(File("missing.cvx"));
    ASSERT_TRUE(error && error->GetCause() == Cause::SystemError);
    EXPECT_EQ(error->Text(), "Error opening file '" + File("missing.cvx") + "'.\nNo such file or directory");
    EXPECT_TRUE(m_doc.GetGraphCount() == 1 && m_doc.IsModified());
}

// Saving replaces the file whole or not at all, and leaves no temporaries.
TEST_F(DocumentFile, SaveIsAtomic)
{
    std::filesystem::create_directories(m_folder / "busy" / "inside");  // a file cannot replace a folder
    m_doc.SetModifiedFlag();
    EXPECT_THROW(m_doc.OnSaveDocument(File("busy")), DocFileException);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / "busy" / "inside"));
    EXPECT_THROW(m_doc.OnSaveDocument(File("no/such/folder.cvx")), DocFileException);

    FileBytes::WriteReplacing(File("doc.cvx"), Bytes(1000, 0xAA));
    FileBytes::WriteReplacing(File("doc.cvx.tmp0"), Bytes{1});  // a name in the way
    m_doc.OnSaveDocument(File("doc.cvx"));
    Bytes bytes;
    EXPECT_EQ(FileBytes::Read(File("doc.cvx"), bytes), "");
    EXPECT_EQ(bytes, Written(m_doc));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder), {}), 3);  // busy and the two files
}

}  // namespace

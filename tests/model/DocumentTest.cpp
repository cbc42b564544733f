// The graph list and the document's life cycle.

#include "ModelTest.h"
#include "model/DocView.h"

#include <functional>

namespace {

using Document = DocumentFixture;
using Texts = std::vector<std::string>;

// After each removal a graph added last must appear last.
TEST_F(Document, RemoveGraphByPosition)
{
    const auto expressions = [this] {
        Texts texts;
        for (GraphItem* item = m_doc.GetFirstGraph(); item; item = m_doc.GetNextGraph())
            texts.push_back(item->expression);
        return texts;
    };
    struct Row { int index; bool removed; Texts left; } rows[] = {
        {-1, false, {"a", "b", "c"}}, {3, false, {"a", "b", "c"}}, {0, true, {"b", "c"}}, {2, true, {"a", "b"}}};
    for (Row row : rows) {
        m_doc.RemoveAllGraphs();
        for (const char* text : {"a", "b", "c"})
            m_doc.AddGraph(MakeGraph(KindYofX, text));
        EXPECT_EQ(m_doc.RemoveGraph(row.index), row.removed) << row.index;
        EXPECT_EQ(expressions(), row.left) << row.index;
        EXPECT_EQ(m_doc.GetGraphCount(), static_cast<int>(row.left.size()));
        m_doc.AddGraph(MakeGraph(KindYofX, "z"));
        row.left.push_back("z");
        EXPECT_EQ(expressions(), row.left) << row.index;
    }
    m_doc.GetFirstGraph();
    m_doc.RemoveGraph(0);
    EXPECT_EQ(m_doc.GetNextGraph(), nullptr);  // iteration stops after the removed cursor
}

TEST_F(Document, NewDocumentEmptiesAndKeepsAutoRefresh)
{
    m_doc.AddGraph(MakeGraph(KindYofX, "a"));
    m_doc.coordSystem.right = 99, m_settings.defaultCoordSystem.left = -7;
    m_doc.zoomX = 300, m_doc.zoomY = 50, m_doc.autoRefresh = true;
    m_doc.SetModifiedFlag();
    EXPECT_TRUE(m_doc.OnNewDocument());
    EXPECT_EQ(m_doc.GetFirstGraph(), nullptr);
    EXPECT_FALSE(m_doc.coordSystem.Differs(m_settings.defaultCoordSystem));
    EXPECT_TRUE(m_doc.zoomX == 100 && m_doc.zoomY == 100 && m_doc.autoRefresh && !m_doc.IsModified());
}

// Whatever a reader of the document may show tells the change listener, so
// the window's commands follow the document without polling it. Reading
// alone, or a change that failed, tells nothing.
TEST_F(Document, EveryChangeTellsTheListener)
{
    m_doc.OnSaveDocument(File("saved.cvx"));
    using Change = std::function<void(CCurvixDoc&)>;
    const Change nothing = [](CCurvixDoc&) {};
    struct Row {
        const char* change;
        Change prepare;
        Change make;
        bool told;
    } rows[] = {
        {"add", nothing, [](CCurvixDoc& d) { d.AddGraph(MakeGraph(KindYofX, "x")); }, true},
        {"remove", nothing, [](CCurvixDoc& d) { d.RemoveGraph(0); }, true},
        {"remove a missing graph", nothing, [](CCurvixDoc& d) { d.RemoveGraph(9); }, false},
        {"remove all", nothing, [](CCurvixDoc& d) { d.RemoveAllGraphs(); }, true},
        {"modified flag", nothing, [](CCurvixDoc& d) { d.SetModifiedFlag(); }, true},
        {"step", nothing, [](CCurvixDoc& d) { d.RecordStep(StringId::StepAddGraph, d.CaptureState()); }, true},
        {"undo", nothing, [](CCurvixDoc& d) { d.Undo(); }, true},
        {"redo", [](CCurvixDoc& d) { d.Undo(); }, [](CCurvixDoc& d) { d.Redo(); }, true},
        {"undo with no step", [](CCurvixDoc& d) { d.OnNewDocument(); }, [](CCurvixDoc& d) { d.Undo(); }, false},
        {"views updated", nothing, [](CCurvixDoc& d) { d.UpdateAllViews(nullptr, DocView::HintComputed); }, true},
        {"new", nothing, [](CCurvixDoc& d) { d.OnNewDocument(); }, true},
        {"open", nothing, [this](CCurvixDoc& d) { d.OnOpenDocument(File("saved.cvx")); }, true},
        {"failed open", nothing, [this](CCurvixDoc& d) { EXPECT_ANY_THROW(d.OnOpenDocument(File("none.cvx"))); }, false},
        {"save", nothing, [this](CCurvixDoc& d) { d.OnSaveDocument(File("again.cvx")); }, true},
        {"read", nothing, [](CCurvixDoc& d) { d.GetFirstGraph(), d.CaptureState(), Written(d); }, false},
    };
    for (const Row& row : rows) {
        const DocumentState before = m_doc.CaptureState();
        m_doc.AddGraph(MakeGraph(KindYofX, "x^2"));
        m_doc.RecordStep(StringId::StepAddGraph, before);
        row.prepare(m_doc);
        int told = 0;
        m_doc.SetChangeListener([&told] { ++told; });
        row.make(m_doc);
        EXPECT_EQ(told > 0, row.told) << row.change;
        m_doc.SetChangeListener({});
    }
}

}  // namespace

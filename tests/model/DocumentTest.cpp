// The graph list and the document's life cycle.

#include "ModelTest.h"

namespace {

using Document = DocumentFixture;

std::vector<std::string> Expressions(CCurvixDoc& doc)
{
    std::vector<std::string> texts;
    for (GraphItem* item = doc.GetFirstGraph(); item; item = doc.GetNextGraph())
        texts.push_back(item->expression);
    return texts;
}

TEST_F(Document, AddedGraphsKeepTheirAddresses)
{
    GraphItem* first = doc.AddGraph(MakeGraph(KindYofX, "a"));
    ASSERT_NE(first, nullptr);
    for (int i = 0; i < 100; ++i)
        doc.AddGraph(MakeGraph(KindYofX, "b"));
    EXPECT_TRUE(doc.RemoveGraph(1));
    EXPECT_TRUE(doc.RemoveGraph(50));
    EXPECT_EQ(first, doc.GetFirstGraph());
    EXPECT_EQ(first->expression, "a");
    EXPECT_EQ(doc.GetGraphCount(), 99);
}

// After each removal a graph added last must appear last.
TEST_F(Document, RemoveGraphByPosition)
{
    using Texts = std::vector<std::string>;
    struct Row {
        Texts graphs;
        int index;
        bool removed;
        Texts left;
    } rows[] = {
        {{"a", "b", "c"}, -1, false, {"a", "b", "c"}}, {{"a", "b", "c"}, 3, false, {"a", "b", "c"}},
        {{"a", "b", "c"}, 0, true, {"b", "c"}},        {{"a", "b", "c"}, 1, true, {"a", "c"}},
        {{"a", "b", "c"}, 2, true, {"a", "b"}},        {{"a"}, 0, true, {}},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.graphs.size() << " graphs, index " << row.index);
        doc.RemoveAllGraphs();
        for (const std::string& text : row.graphs)
            doc.AddGraph(MakeGraph(KindYofX, text.c_str()));
        EXPECT_EQ(doc.RemoveGraph(row.index), row.removed);
        EXPECT_EQ(Expressions(doc), row.left);
        EXPECT_EQ(doc.GetGraphCount(), static_cast<int>(row.left.size()));
        doc.AddGraph(MakeGraph(KindYofX, "z"));
        row.left.push_back("z");
        EXPECT_EQ(Expressions(doc), row.left);
    }
}

TEST_F(Document, IterationStopsAfterTheRemovedCursor)
{
    doc.AddGraph(MakeGraph(KindYofX, "a"));
    doc.AddGraph(MakeGraph(KindYofX, "b"));
    doc.GetFirstGraph();
    doc.RemoveGraph(0);
    EXPECT_EQ(doc.GetNextGraph(), nullptr);
}

TEST_F(Document, NewDocumentEmptiesAndKeepsAutoRefresh)
{
    settings.defaultCoordSystem.left = -7;
    doc.AddGraph(MakeGraph(KindYofX, "a"));
    doc.coordSystem.right = 99;
    doc.zoomX = 300;
    doc.zoomY = 50;
    doc.autoRefresh = true;
    doc.SetModifiedFlag();

    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetFirstGraph(), nullptr);
    EXPECT_FALSE(doc.coordSystem.Differs(settings.defaultCoordSystem));
    EXPECT_FALSE(doc.coordSystemInUse.Differs(settings.defaultCoordSystem));
    EXPECT_EQ(doc.zoomX, 100);
    EXPECT_EQ(doc.zoomY, 100);
    EXPECT_TRUE(doc.autoRefresh);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace

// The graph list and the document's life cycle.

#include "DocumentFixture.h"

#include <string>
#include <vector>

namespace {

using Document = DocumentFixture;

GraphItem Graph(const char* expression)
{
    GraphItem item;
    item.expression = expression;
    return item;
}

std::vector<std::string> Expressions(CCurvixDoc& doc)
{
    std::vector<std::string> texts;
    for (GraphItem* item = doc.GetFirstGraph(); item; item = doc.GetNextGraph())
        texts.push_back(item->expression);
    return texts;
}

TEST_F(Document, AddedGraphsKeepTheirAddresses)
{
    GraphItem* first = doc.AddGraph(Graph("a"));
    ASSERT_NE(first, nullptr);
    for (int i = 0; i < 100; ++i)
        doc.AddGraph(Graph("b"));
    EXPECT_TRUE(doc.RemoveGraph(1));
    EXPECT_TRUE(doc.RemoveGraph(50));
    EXPECT_EQ(first, doc.GetFirstGraph());
    EXPECT_EQ(first->expression, "a");
    EXPECT_EQ(doc.GetGraphCount(), 99);
}

TEST_F(Document, RemoveGraphByPosition)
{
    struct Row {
        int index;
        bool removed;
        std::vector<std::string> left;
    } rows[] = {
        {-1, false, {"a", "b", "c"}},
        {3, false, {"a", "b", "c"}},
        {0, true, {"b", "c"}},
        {1, true, {"a", "c"}},
        {2, true, {"a", "b"}},
    };
    for (const Row& row : rows) {
        doc.RemoveAllGraphs();
        for (const char* text : {"a", "b", "c"})
            doc.AddGraph(Graph(text));
        EXPECT_EQ(doc.RemoveGraph(row.index), row.removed) << row.index;
        EXPECT_EQ(Expressions(doc), row.left) << row.index;
        EXPECT_EQ(doc.GetGraphCount(), static_cast<int>(row.left.size()));
    }
}

TEST_F(Document, RemovingTheOnlyGraphLeavesAnEmptyList)
{
    doc.AddGraph(Graph("a"));
    EXPECT_TRUE(doc.RemoveGraph(0));
    EXPECT_EQ(doc.GetFirstGraph(), nullptr);
    EXPECT_EQ(doc.GetGraphCount(), 0);
    doc.AddGraph(Graph("b"));
    EXPECT_EQ(Expressions(doc), std::vector<std::string>{"b"});
}

TEST_F(Document, IterationStopsAfterTheRemovedCursor)
{
    doc.AddGraph(Graph("a"));
    doc.AddGraph(Graph("b"));
    doc.GetFirstGraph();
    doc.RemoveGraph(0);
    EXPECT_EQ(doc.GetNextGraph(), nullptr);
}

TEST_F(Document, NewDocumentEmptiesAndKeepsAutoRefresh)
{
    settings.defaultCoordSystem.left = -7;
    doc.AddGraph(Graph("a"));
    doc.coordSystem.right = 99;
    doc.zoomX = 300;
    doc.zoomY = 50;
    doc.autoRefresh = true;
    doc.SetModifiedFlag();

    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetGraphCount(), 0);
    EXPECT_EQ(doc.GetFirstGraph(), nullptr);
    EXPECT_FALSE(doc.coordSystem.Differs(settings.defaultCoordSystem));
    EXPECT_FALSE(doc.coordSystemInUse.Differs(settings.defaultCoordSystem));
    EXPECT_EQ(doc.zoomX, 100);
    EXPECT_EQ(doc.zoomY, 100);
    EXPECT_TRUE(doc.autoRefresh);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace

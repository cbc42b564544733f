// The graph list and the document's life cycle.

#include "ModelTest.h"

namespace {

using Document = DocumentFixture;
using Texts = std::vector<std::string>;

// After each removal a graph added last must appear last.
TEST_F(Document, RemoveGraphByPosition)
{
    const auto expressions = [this] {
        Texts texts;
        for (GraphItem* item = doc.GetFirstGraph(); item; item = doc.GetNextGraph())
            texts.push_back(item->expression);
        return texts;
    };
    struct Row { int index; bool removed; Texts left; } rows[] = {
        {-1, false, {"a", "b", "c"}}, {3, false, {"a", "b", "c"}}, {0, true, {"b", "c"}}, {2, true, {"a", "b"}}};
    for (Row row : rows) {
        doc.RemoveAllGraphs();
        for (const char* text : {"a", "b", "c"})
            doc.AddGraph(MakeGraph(KindYofX, text));
        EXPECT_EQ(doc.RemoveGraph(row.index), row.removed) << row.index;
        EXPECT_EQ(expressions(), row.left) << row.index;
        EXPECT_EQ(doc.GetGraphCount(), static_cast<int>(row.left.size()));
        doc.AddGraph(MakeGraph(KindYofX, "z"));
        row.left.push_back("z");
        EXPECT_EQ(expressions(), row.left) << row.index;
    }
    doc.GetFirstGraph();
    doc.RemoveGraph(0);
    EXPECT_EQ(doc.GetNextGraph(), nullptr);  // iteration stops after the removed cursor
}

TEST_F(Document, NewDocumentEmptiesAndKeepsAutoRefresh)
{
    doc.AddGraph(MakeGraph(KindYofX, "a"));
    doc.coordSystem.right = 99, settings.defaultCoordSystem.left = -7;
    doc.zoomX = 300, doc.zoomY = 50, doc.autoRefresh = true;
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetFirstGraph(), nullptr);
    EXPECT_FALSE(doc.coordSystem.Differs(settings.defaultCoordSystem));
    EXPECT_TRUE(doc.zoomX == 100 && doc.zoomY == 100 && doc.autoRefresh && !doc.IsModified());
}

}  // namespace

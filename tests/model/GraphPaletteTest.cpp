// The colour proposed for a new graph.

#include "model/GraphPalette.h"
#include "ModelTest.h"

#include <set>

TEST(GraphPalette, FifteenDistinctColoursNoneWhite)
{
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i < GraphPalette::kSize; ++i)
        colours.insert(GraphPalette::Colour(i));
    EXPECT_EQ(colours.size(), GraphPalette::kSize);
    EXPECT_EQ(colours.count(0x00FFFFFF), 0u);
}

TEST(GraphPalette, FirstColourNoGraphUses)
{
    const auto c = [](std::size_t i) { return GraphPalette::Colour(i); };
    std::vector<std::uint32_t> all;
    for (std::size_t i = 0; i < GraphPalette::kSize; ++i)
        all.push_back(c(i));
    std::vector<std::uint32_t> allAndOneMore = all;
    allAndOneMore.push_back(0x123456);
    struct Row {
        const char* what;
        std::vector<std::uint32_t> used;
        std::uint32_t expected;
    };
    const Row rows[] = {
        {"empty document", {}, c(0)},
        {"custom colours do not count", {0x123456, 0x00FFFFFF}, c(0)},
        {"first taken", {c(0)}, c(1)},
        {"a gap is filled", {c(0), c(2), c(1), c(4)}, c(3)},
        {"every colour taken: round by count", all, c(0)},
        {"and one more", allAndOneMore, c(1)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GraphPalette::FirstUnused(row.used), row.expected) << row.what;
}

TEST_F(DocumentFixture, NewGraphColourSkipsTheDocumentsColours)
{
    EXPECT_EQ(GraphPalette::ForNewGraph(m_doc), GraphPalette::Colour(0));
    for (std::uint32_t colour : {GraphPalette::Colour(1), GraphPalette::Colour(0)}) {
        GraphItem item = MakeGraph(KindYofX, "x");
        item.color = colour;
        m_doc.AddGraph(item);
    }
    EXPECT_EQ(GraphPalette::ForNewGraph(m_doc), GraphPalette::Colour(2));
}

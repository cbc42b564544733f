// The block bounds a view keeps per slot: left out on the first pass over
// new samples, made on the second, made again for a new buffer.

#include "view/render/CurveSummaries.h"
#include "model/GraphPoints.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Fill(GraphPoints& slot, std::int32_t count)
{
    slot.count = count;
    ASSERT_TRUE(slot.Allocate());
    for (std::int32_t i = 0; i < count; ++i)
        slot.points[i] = {i, 2 * i};
}

TEST(CurveSummaries, MadeOnTheSecondPassOverTheSameSamples)
{
    GraphPoints first, second, replaced;
    Fill(first, 40);
    Fill(second, 40);
    Fill(replaced, 40);
    CurveSummaries summaries;
    const struct {
        const char* what;
        int slot;
        const GraphPoints* points;
        bool summed;
    } passes[] = {
        {"first pass over slot 0", 0, &first, false},
        {"second pass over slot 0", 0, &first, true},
        {"slot 2 on its own", 2, &second, false},
        {"slot 0 kept", 0, &first, true},
        {"slot 2 again", 2, &second, true},
        {"slot 0 with a new buffer", 0, &replaced, false},
        {"slot 0 with that buffer again", 0, &replaced, true},
        {"no slot", -1, &first, false},
    };
    for (const auto& pass : passes) {
        const CurveSummary* summary = summaries.For(pass.slot, *pass.points);
        EXPECT_EQ(summary != nullptr, pass.summed) << pass.what;
        if (summary) {  // the bounds of the samples it was made for
            EXPECT_EQ(summary->At(1).maxY, 2 * 31) << pass.what;
        }
    }
    summaries.Clear();
    EXPECT_EQ(summaries.For(0, replaced), nullptr);
}

}  // namespace

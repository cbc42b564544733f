// curvix-cli points: the stored samples of a document's computation, and the
// program's messages when the computation cannot run.

#include "CliRunner.h"

#include <functional>

namespace {

using PointsCommand = CliRunner;

TEST_F(PointsCommand, SamplesSummariesAndRefusals)
{
    const std::string tooLarge =
        "Error> The coordinate system you've selected is too large for Curvix\\n\\nTip: Reduce coordinate "
        "system size by selecting smaller range and/or selecting smaller precision.";
    const std::string formula(256, '1');
    const auto hideFirstAndCopy = [](CCurvixDoc& doc) {
        doc.GetFirstGraph()->advRange = {-0.01, 0.015, 100};
        doc.GetFirstGraph()->hidden = true;
        doc.AddGraph(*doc.GetFirstGraph())->hidden = false;
    };
    const struct {
        std::string args;
        std::vector<std::string> graphs;
        std::function<void(CCurvixDoc&)> edit;
        int status;
        std::string out, err;
    } rows[] = {
        // slot, sample, stored x, stored y; x^2: 400 * 0.0001 rounds to 0; x from -0.01 to 0.01.
        {"points", {"x", "x^2", "-1"}, hideFirstAndCopy, 0,
         "0,0,0,0\n0,1,4,0\n0,2,8,0\n1,0,0,-400\n1,1,4,-400\n1,2,8,-400\n2,0,-4,-4\n2,1,0,0\n2,2,4,4\n", ""},
        {"points --summary", {"x", "x^2", "-1"}, hideFirstAndCopy, 0, "0,3,12\n1,3,-1188\n2,3,0\n", ""},
        {"points", std::vector<std::string>(16, "x"), [](CCurvixDoc&) {}, 3, "",
         "Cannot display more than 15 graphs at a time.\\nHide some of them that you don't need and try again.\n"},
        // A graph that cannot be computed is named, its equation as the graph list shows it.
        {"points", {"1"},
         [](CCurvixDoc& d) { d.GetFirstGraph()->kind = KindPolar, d.GetFirstGraph()->advRange = {0, 1e12, 3200}; },
         3, "", "Graph:\\nr = 1\\n\\n" + tooLarge + "\n"},
        {"points", {"x"},  // 640,000,001 samples: more than the program takes, whatever the memory
         [](CCurvixDoc& d) {
             GraphItem& second = *d.AddGraph(*d.GetFirstGraph());
             second.kind = KindParametric, second.expression = "cos(t)", second.expression2 = "sin(t)";
             second.advRange = {0, 200000, 3200};
         },
         3, "", "Graph:\\nx = cos(t)\\ny = sin(t)\\n\\n" + tooLarge + "\n"},
        {"points", {"x"}, [&](CCurvixDoc& d) { d.AddGraph(*d.GetFirstGraph())->expression = formula; }, 3, "",
         "Graph:\\ny = " + formula.substr(0, 255) + "...\\n\\nThe formula is too long: Curvix reads at most 255 "
         "characters of a formula.\\n\\nTip: Shorten the formula in the graph's properties.\n"},
        {"points", {"x"}, [](CCurvixDoc& doc) { doc.coordSystem.polarRange = {0, 10, 3200}; }, 3, "",
         tooLarge + "\n"},
        {"points", {"x", "sin(x"}, [](CCurvixDoc&) {}, 2, "", "error 1004: [Syntax error] ')' expected.\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.err);
        // y = f(x) over 0 to 0.02 at precision 100 (three samples), then the edit.
        CCurvixDoc doc(m_settings);
        for (const std::string& expression : row.graphs) {
            GraphItem* item = doc.AddGraph(GraphItem());
            item->expression = expression;
            item->useAdvanced = true;
            item->advRange = {0, 0.02, 100};
        }
        row.edit(doc);
        const CliResult result = Run(row.args + " " + Write("doc.cvx", doc));
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.err, row.err);
    }
}

}  // namespace

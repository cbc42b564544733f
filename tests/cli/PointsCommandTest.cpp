// curvix-cli points: the stored samples of a document's computation, and the
// program's messages when the computation cannot run.

#include "AppSettings.h"
#include "Archive.h"
#include "CCurvixDoc.h"
#include "CliRunner.h"
#include "FileBytes.h"
#include "MemorySettingsBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class PointsCommand : public testing::Test {
protected:
    // A document with the given graphs, each y = f(x) over its own range
    // 0 to 0.02 at precision 100 (three samples); edit may change it before
    // it is written.
    std::string Write(const std::vector<std::string>& expressions,
                      const std::function<void(CCurvixDoc&)>& edit = {})
    {
        CCurvixDoc doc(settings);
        for (const std::string& expression : expressions) {
            GraphItem item;
            item.expression = expression;
            item.useAdvanced = true;
            item.advRange = {0, 0.02, 100};
            doc.AddGraph(item);
        }
        if (edit)
            edit(doc);
        Archive archive;
        doc.Serialize(archive);
        FileBytes::WriteReplacing(cli.Path("doc.cvx"), archive.Bytes());
        return cli.Path("doc.cvx");
    }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CliRunner cli;
};

TEST_F(PointsCommand, PrintsEverySampleOrASummaryPerSlot)
{
    const std::string file = Write({"x", "x^2", "-1"}, [](CCurvixDoc& doc) {
        doc.GetFirstGraph()->advRange = {-0.01, 0.015, 100};
        doc.GetFirstGraph()->hidden = true;
        doc.AddGraph(*doc.GetFirstGraph())->hidden = false;
    });
    const CliResult points = cli.Run("points " + file);
    EXPECT_EQ(points.status, 0);
    EXPECT_EQ(points.err, "");
    EXPECT_EQ(points.out,
              "0,0,0,0\n0,1,4,0\n0,2,8,0\n"                  // x^2: 400 * 0.0001 rounds to 0
              "1,0,0,-400\n1,1,4,-400\n1,2,8,-400\n"         // -1
              "2,0,-4,-4\n2,1,0,0\n2,2,4,4\n");              // x from -0.01 to 0.01

    const CliResult summary = cli.Run("points --summary " + file);
    EXPECT_EQ(summary.status, 0);
    EXPECT_EQ(summary.out, "0,3,12\n1,3,-1188\n2,3,0\n");
}

TEST_F(PointsCommand, RefusalsPrintTheProgramsMessages)
{
    struct Case {
        const char* what;
        std::vector<std::string> graphs;
        std::function<void(CCurvixDoc&)> edit;
        int status;
        std::string err;
    } const cases[] = {
        {"sixteen visible graphs",
         {"x", "x+1", "x+2", "x+3", "x+4", "x+5", "x+6", "x+7", "x+8", "x+9", "x+10", "x+11", "x+12",
          "x+13", "x+14", "x+15"},
         {}, 3,
         "Cannot display more than 15 graphs at a time.\\nHide some of them that you don't need and try again.\n"},
        {"more samples than memory", {"1"},
         [](CCurvixDoc& doc) {
             doc.GetFirstGraph()->kind = KindPolar;
             doc.GetFirstGraph()->advRange = {0, 1e12, 3200};
         },
         3, "Out of memory.\nCannot initialize graph creation process.\n"},
        {"coordinate system too large", {"x"},
         [](CCurvixDoc& doc) { doc.coordSystem.polarRange = {0, 10, 3200}; }, 3,
         "Error> The coordinate system you've selected is too large for Curvix\\n\\nTip: Reduce coordinate "
         "system size by selecting smaller range and/or selecting smaller precision.\n"},
        {"expression error", {"x", "sin(x"}, {}, 2, "error 1004: [Syntax error] ')' expected.\n"},
    };
    for (const Case& c : cases) {
        const CliResult result = cli.Run("points --summary " + Write(c.graphs, c.edit));
        EXPECT_EQ(result.status, c.status) << c.what;
        EXPECT_EQ(result.out, "") << c.what;
        EXPECT_EQ(result.err, c.err) << c.what;
    }
}

}  // namespace

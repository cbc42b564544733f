// curvix-cli info and convert, run as a user would run them.

#include "CliRunner.h"
#include "PreviousVersionFile.h"

namespace {

class DocumentCommands : public CliRunner {
protected:
    DocumentCommands()
    {
        GraphItem item;
        item.kind = KindParametric;
        item.expression = "cos(t)";
        item.expression2 = "a\"b\\c\x01\xE9";
        item.color = 0x00FF8000;
        item.useAdvanced = item.advTimesPi = true;
        item.advRange = {-0.1, 2.5, 400};
        CCurvixDoc doc(m_settings);
        doc.AddGraph(item);
        doc.zoomX = 250;
        m_current = Write("a.cvx", doc);
        PreviousVersionFile previous;
        previous.zoom = 120;
        m_old = Write("old.cvx", previous.Bytes());
    }

    std::string m_current, m_old;
};

const std::string kAskToConvert = "The file you selected was created using the previous version of Curvix."
                                  "\\n\\nOpen the file and convert it to version 2.0?\n";

TEST_F(DocumentCommands, InfoPrintsJsonOrTheRefusal)
{
    CCurvixDoc bad(m_settings);
    bad.AddGraph(GraphItem())->kind = static_cast<GraphKind>(9);
    const std::string damaged = Write("bad.cvx", bad);
    const std::string coordSystem =
        R"~("polarTimesPi":true,"polarRange":{"from":0,"to":4,"precision":200}},"autoRefresh":false,"graphs":[)~";
    const struct {
        std::string args;
        int status;
        std::string out, err;
    } rows[] = {
        {"info " + m_current, 0,
         R"~({"version":2,"coordSystem":{"left":-40,"top":40,"right":40,"bottom":-40,"precision":200,)~"
         R"~("xTimesPi":false,"yTimesPi":false,"paramTimesPi":false,"paramRange":{"from":0,"to":20,"precision":200},)~"
             + coordSystem + R"~({"expression":"cos(t)","expression2":"a\"b\\c\u0001\u00e9","kind":2,)~"
             R"~("hidden":false,"color":16744448,"useAdvanced":true,"advTimesPi":true,)~"
             R"~("advRange":{"from":-0.10000000000000001,"to":2.5,"precision":400}}],"zoomX":250,"zoomY":100})~"
             "\n",
         ""},
        {"info --convert " + m_old, 0,
         R"~({"version":1,"coordSystem":{"left":-10,"top":5,"right":10,"bottom":-5,"precision":400,)~"
         R"~("xTimesPi":false,"yTimesPi":false,"paramTimesPi":false,"paramRange":{"from":0,"to":20,"precision":200},)~"
             + coordSystem + R"~(],"zoomX":120,"zoomY":120})~" "\n",
         ""},
        {"info " + m_old, 3, "", kAskToConvert},
        {"info " + damaged, 3, "",
         "Error opening file '" + damaged + "'.\\nThe file is damaged or is not a Curvix document.\n"},
        {"info " + Path("missing.cvx"), 3, "",
         "Error opening file '" + Path("missing.cvx") + "'.\\nNo such file or directory\n"},
        {"info", 1, "", "usage: curvix-cli info [--convert] FILE\n"},
        {"info --pretty " + m_current, 1, "", "usage: curvix-cli info [--convert] FILE\n"},
        {"convert " + m_current, 1, "", "usage: curvix-cli convert [--convert] FILE OUT\n"},
        {"convert " + m_current + " " + Path("no/such/out.cvx"), 3, "",
         "Error saving file '" + Path("no/such/out.cvx") + "'.\\nNo such file or directory\n"},
        {"convert " + m_old + " " + Path("declined.cvx"), 3, "", kAskToConvert},
    };
    for (const auto& row : rows) {
        const CliResult result = Run(row.args);
        EXPECT_EQ(result.status, row.status) << row.args;
        EXPECT_EQ(result.out, row.out) << row.args;
        EXPECT_EQ(result.err, row.err) << row.args;
    }
    EXPECT_FALSE(std::filesystem::exists(Path("declined.cvx")));
}

// convert writes a version 2.0 file, the same bytes for one already in it.
TEST_F(DocumentCommands, ConvertWritesAVersion2File)
{
    const CliResult result = Run("convert --convert " + m_old + " " + Path("new.cvx"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(Read(Path("new.cvx")).substr(0, 14), std::string("CurvixFile\0\0\2\0", 14));
    EXPECT_EQ(Run("info " + Path("new.cvx")).out.rfind(R"({"version":2,"coordSystem":{"left":-10,)", 0), 0u);
    EXPECT_EQ(Run("convert " + m_current + " " + Path("copy.cvx")).status, 0);
    EXPECT_EQ(Read(Path("copy.cvx")), Read(m_current));
}

}  // namespace

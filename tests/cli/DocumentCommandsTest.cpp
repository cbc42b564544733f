// curvix-cli info and convert, run as a user would run them.

#include "AppSettings.h"
#include "Archive.h"
#include "CCurvixDoc.h"
#include "FileBytes.h"
#include "CliRunner.h"
#include "MemorySettingsBackend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

using Result = CliResult;

class DocumentCommands : public testing::Test {
protected:
    std::string Path(const char* name) const { return cli.Path(name); }
    static std::string Read(const std::string& path) { return CliRunner::Read(path); }
    Result Run(const std::string& args) const { return cli.Run(args); }

    // Writes a document with one graph with the program's writer.
    std::string WriteDocument(const char* name, const GraphItem& item, std::int32_t zoomX = 100)
    {
        CCurvixDoc doc(settings);
        doc.AddGraph(item);
        doc.zoomX = zoomX;
        Archive archive;
        doc.Serialize(archive);
        FileBytes::WriteReplacing(Path(name), archive.Bytes());
        return Path(name);
    }

    // A previous-version file: the old coordinate block, no graphs, zoom 120.
    std::string WritePreviousVersion(const char* name)
    {
        Archive archive;
        for (double value : {0.0, 3.0, 0.0, -3.0})
            archive.WriteDouble(value);
        archive.WriteInt32(100);
        archive.WriteZeros(4);
        archive.WriteDouble(-6);
        archive.WriteDouble(6);
        archive.WriteZeros(1 + 4 + 2);
        archive.WriteInt32(120);
        FileBytes::WriteReplacing(Path(name), archive.Bytes());
        return Path(name);
    }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CliRunner cli;
};

const std::string kDefaultCoordSystemJson =
    R"("coordSystem":{"left":-40,"top":40,"right":40,"bottom":-40,"precision":200,"xTimesPi":false,)"
    R"("yTimesPi":false,"paramTimesPi":false,"paramRange":{"from":0,"to":20,"precision":200},)"
    R"("polarTimesPi":true,"polarRange":{"from":0,"to":4,"precision":200}})";

TEST_F(DocumentCommands, InfoPrintsTheDocumentAsJson)
{
    GraphItem item;
    item.kind = KindParametric;
    item.expression = "cos(t)";
    item.expression2 = "a\"b\\c\x01\xE9";
    item.color = 0x00FF8000;
    item.useAdvanced = true;
    item.advTimesPi = true;
    item.advRange = {-0.1, 2.5, 400};
    const Result result = Run("info " + WriteDocument("a.cvx", item, 250));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, R"~({"version":2,)~" + kDefaultCoordSystemJson
                              + R"~(,"autoRefresh":false,"graphs":[{"expression":"cos(t)",)~"
                                R"~("expression2":"a\"b\\c\u0001\u00e9","kind":2,"hidden":false,)~"
                                R"~("color":16744448,"useAdvanced":true,"advTimesPi":true,)~"
                                R"~("advRange":{"from":-0.10000000000000001,"to":2.5,"precision":400}}],)~"
                                R"~("zoomX":250,"zoomY":100})~"
                                "\n");
}

TEST_F(DocumentCommands, PreviousVersionNeedsConvert)
{
    const std::string file = WritePreviousVersion("old.cvx");
    const Result declined = Run("info " + file);
    EXPECT_EQ(declined.status, 3);
    EXPECT_EQ(declined.out, "");
    EXPECT_EQ(declined.err, "The file you selected was created using the previous version of Curvix."
                            "\\n\\nOpen the file and convert it to version 2.0?\n");

    const Result converted = Run("info --convert " + file);
    EXPECT_EQ(converted.status, 0);
    EXPECT_EQ(converted.out.rfind(R"({"version":1,"coordSystem":{"left":-6,"top":3,"right":6,"bottom":-3,)", 0), 0u)
        << converted.out;
    EXPECT_NE(converted.out.find(R"("graphs":[],"zoomX":120,"zoomY":120})"), std::string::npos);
}

TEST_F(DocumentCommands, RefusalsAndUsage)
{
    GraphItem bad;
    bad.kind = static_cast<GraphKind>(9);
    const std::string damaged = WriteDocument("bad.cvx", bad);
    const struct {
        std::string args;
        int status;
        std::string err;
    } rows[] = {
        {"info " + damaged, 3,
         "Error opening file '" + damaged + "'.\\nThe file is damaged or is not a Curvix document.\n"},
        {"info " + Path("missing.cvx"), 3, "No such file or directory\n"},
        {"info", 1, "usage: curvix-cli info [--convert] FILE\n"},
        {"info --pretty " + damaged, 1, "usage: curvix-cli info [--convert] FILE\n"},
        {"info a b", 1, "usage: curvix-cli info [--convert] FILE\n"},
        {"convert " + damaged, 1, "usage: curvix-cli convert [--convert] FILE OUT\n"},
    };
    for (const auto& row : rows) {
        const Result result = Run(row.args);
        EXPECT_EQ(result.status, row.status) << row.args;
        EXPECT_EQ(result.err, row.err) << row.args;
        EXPECT_EQ(result.out, "") << row.args;
    }
}

TEST_F(DocumentCommands, ConvertWritesAVersion2File)
{
    const std::string old = WritePreviousVersion("old.cvx");
    EXPECT_EQ(Run("convert " + old + " " + Path("new.cvx")).status, 3);
    EXPECT_FALSE(std::filesystem::exists(Path("new.cvx")));

    const Result result = Run("convert --convert " + old + " " + Path("new.cvx"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(Read(Path("new.cvx")).substr(0, 14), std::string("CurvixFile\0\0\2\0", 14));
    const Result info = Run("info " + Path("new.cvx"));
    EXPECT_EQ(info.out.rfind(R"({"version":2,"coordSystem":{"left":-6,)", 0), 0u);

    // Converting a version 2.0 file gives the same bytes.
    GraphItem item;
    item.expression = "x";
    const std::string current = WriteDocument("current.cvx", item);
    EXPECT_EQ(Run("convert " + current + " " + Path("copy.cvx")).status, 0);
    EXPECT_EQ(Read(Path("copy.cvx")), Read(current));

    const Result failed = Run("convert " + current + " " + Path("no/such/out.cvx"));
    EXPECT_EQ(failed.status, 3);
    EXPECT_EQ(failed.err, "No such file or directory\n");
}

}  // namespace

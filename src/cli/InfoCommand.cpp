#include "cli/InfoCommand.h"

#include "model/CCurvixDoc.h"
#include "cli/CliDocument.h"
#include "cli/CliOutput.h"
#include "cli/JsonWriter.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

constexpr const char* kUsage = "curvix-cli info [--convert] FILE";

void WriteRange(JsonWriter& json, const char* key, const ArgRange& range)
{
    json.Key(key);
    json.BeginObject();
    json.Key("from");
    json.Number(range.from);
    json.Key("to");
    json.Number(range.to);
    json.Key("precision");
    json.Integer(range.precision);
    json.EndObject();
}

void WriteFlag(JsonWriter& json, const char* key, bool flag)
{
    json.Key(key);
    json.Flag(flag);
}

void WriteCoordSystem(JsonWriter& json, const CoordSystem& cs)
{
    json.Key("coordSystem");
    json.BeginObject();
    for (auto [key, value] : {std::pair{"left", cs.left}, {"top", cs.top}, {"right", cs.right}, {"bottom", cs.bottom}}) {
        json.Key(key);
        json.Number(value);
    }
    json.Key("precision");
    json.Integer(cs.precision);
    WriteFlag(json, "xTimesPi", cs.xTimesPi);
    WriteFlag(json, "yTimesPi", cs.yTimesPi);
    WriteFlag(json, "paramTimesPi", cs.paramTimesPi);
    WriteRange(json, "paramRange", cs.paramRange);
    WriteFlag(json, "polarTimesPi", cs.polarTimesPi);
    WriteRange(json, "polarRange", cs.polarRange);
    json.EndObject();
}

void WriteGraph(JsonWriter& json, const GraphItem& item)
{
    json.BeginObject();
    json.Key("expression");
    json.String(item.expression);
    json.Key("expression2");
    json.String(item.expression2);
    json.Key("kind");
    json.Integer(item.kind);
    WriteFlag(json, "hidden", item.hidden);
    json.Key("color");
    json.Integer(item.color);
    WriteFlag(json, "useAdvanced", item.useAdvanced);
    WriteFlag(json, "advTimesPi", item.advTimesPi);
    WriteRange(json, "advRange", item.advRange);
    json.EndObject();
}

std::string DocumentJson(CCurvixDoc& doc, int version)
{
    JsonWriter json;
    json.BeginObject();
    json.Key("version");
    json.Integer(version);
    WriteCoordSystem(json, doc.coordSystem);
    WriteFlag(json, "autoRefresh", doc.autoRefresh);
    json.Key("graphs");
    json.BeginArray();
    for (const GraphItem* item = doc.GetFirstGraph(); item; item = doc.GetNextGraph())
        WriteGraph(json, *item);
    json.EndArray();
    json.Key("zoomX");
    json.Integer(doc.zoomX);
    json.Key("zoomY");
    json.Integer(doc.zoomY);
    json.EndObject();
    return json.Text();
}

}  // namespace

int RunInfoCommand(std::span<char* const> args)
{
    CliDocument file;
    if (!file.ParseArgs(args, 1))
        return CliOutput::UsageError(kUsage);
    if (int status = file.Open())
        return status;
    std::printf("%s\n", DocumentJson(file.Document(), file.Version()).c_str());
    return 0;
}

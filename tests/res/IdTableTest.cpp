#include "IdConversions.h"
#include "IdLists.h"
#include "StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(IdTable, EveryNamedTextIsInTheTable)
{
    for (StringId id : kNamedStringIds) {
        const char* text = LoadAppString(id);
        ASSERT_NE(text, nullptr) << NumberOf(id);
        EXPECT_NE(*text, '\0') << NumberOf(id);
    }
}

// Code reaches the entries of these runs by offset from the first, so every
// entry must exist, and the run must end where the code expects.
TEST(IdTable, RunsOfTextsHaveEveryEntry)
{
    const struct {
        StringId first;
        unsigned count;
        const char* last;  // the text the run ends with
    } runs[] = {
        {StringId::YEquation, 4, "r = %s"},
        {StringId::FirstArgumentLabel, 4, "t = "},
        {StringId::FirstGraphKindItem, 4, "Polar coordinate system: R = f ( t )"},
        {StringId::FirstPrecisionItem, 6, "3200 %"},
        {StringId::FirstExportFormat, 3, "PDF document"},
        {StringId::FirstExportScale, 3, "3x"},
        {StringId::FirstExportFilter, 3, "PDF Documents (*.pdf)"},
        {StringId::FirstMenuText, 28, "&Go to Curvix web page"},
        {ButtonCaptionOf(1), 9, "Help"},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(NumberOf(run.first));
        for (unsigned offset = 0; offset < run.count; ++offset)
            ASSERT_NE(LoadAppString(StringAfter(run.first, offset)), nullptr) << "offset " << offset;
        EXPECT_STREQ(LoadAppString(StringAfter(run.first, run.count - 1)), run.last);
    }
}

// Texts reached by a number that only exists at run time: a command's
// prompt and a dialog button's caption.
TEST(IdTable, ConversionsReachTheirTexts)
{
    const struct {
        StringId id;
        const char* text;
    } rows[] = {
        {PromptOf(CommandId::FileNew), "Create a new document\nNew"},
        {PromptOf(CommandId::Tangent), "Add the tangent or the normal line of a graph\nTangent"},
        {ButtonCaptionOf(1), "OK"},
        {ButtonCaptionOf(9), "Help"},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(LoadAppString(row.id), row.text) << NumberOf(row.id);
}

}  // namespace

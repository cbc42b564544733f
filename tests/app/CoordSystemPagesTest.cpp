#include "AppSettings.h"
#include "CCurvixDoc.h"
#include "CoordSystemFlows.h"
#include "MemorySettingsBackend.h"
#include "MessageRecorder.h"
#include "SheetDriver.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class CoordSystemPagesTest : public testing::Test {
protected:
    // Runs the document's sheet; drive types into it and presses OK.
    bool EditDocument(const std::function<void(CAdvPropertySheet&)>& drive)
    {
        SheetDriver driver(drive);
        return EditCoordSystem(nullptr, document);
    }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CCurvixDoc document{settings};
    MessageRecorder messages;
};

struct GeneralFields {
    const char* left;
    const char* right;
    int precisionIndex;
};

void Type(CAdvPropertySheet& sheet, const GeneralFields& fields)
{
    QWidget& page = *sheet.GetPage(0);
    Edit(page, 1057)->setText(fields.left);
    Edit(page, 1058)->setText(fields.right);
    List(page, 1064)->setCurrentIndex(fields.precisionIndex);
}

}  // namespace

TEST_F(CoordSystemPagesTest, GeneralPageValidatesTheHorizontalEdges)
{
    const struct {
        GeneralFields fields;
        unsigned message;  // 0: accepted
    } rows[] = {
        {{"-1", "1", -1}, 3139},
        {{"", "", -1}, 3139},  // the precision is checked first
        {{"5", "5", 0}, 3138},
        {{"2", "1", 0}, 3138},
        {{"", "1", 0}, 3138},
        {{"1", "", 0}, 3138},
        {{"1e9", "2e9", 0}, 3142},
        {{"-3e8", "3e8", 5}, 3142},
        {{"abc", "1", 0}, 0},  // reads as 0
        {{"-5", "5", 5}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.fields.left) + " .. " + row.fields.right);
        messages.requests.clear();
        bool stayed = false;
        EditDocument([&](CAdvPropertySheet& sheet) {
            Type(sheet, row.fields);
            PressOk(sheet);
            stayed = sheet.isVisible();
        });
        EXPECT_EQ(stayed, row.message != 0);
        if (row.message) {
            ASSERT_EQ(messages.requests.size(), 1u);
            EXPECT_EQ(messages.requests[0].text, MessageRecorder::Text(row.message));
            EXPECT_EQ(messages.requests[0].style, MB_ICONEXCLAMATION);
        } else {
            EXPECT_TRUE(messages.requests.empty());
        }
    }
}

TEST_F(CoordSystemPagesTest, OkStoresBothPagesAndMarksTheDocument)
{
    document.coordSystem.top = 3.14159265358979;
    document.coordSystem.polarRange.precision = 800;
    EXPECT_TRUE(EditDocument([](CAdvPropertySheet& sheet) {
        QWidget& general = *sheet.GetPage(0);
        EXPECT_EQ(Edit(general, 1060)->text(), "3.14159");
        Edit(general, 1060)->setText("-2");  // top below bottom is accepted
        Edit(general, 1061)->setText("4");
        Check(general, 1059)->setChecked(true);
        List(general, 1064)->setCurrentIndex(2);
        ASSERT_TRUE(sheet.SetActivePage(1));
        QWidget& advanced = *sheet.GetPage(1);
        EXPECT_EQ(List(advanced, 1153)->currentIndex(), 3);
        Edit(advanced, 1158)->setText("-2.5");
        Check(advanced, 1152)->setChecked(true);
        PressOk(sheet);
    }));
    const CoordSystem& cs = document.coordSystem;
    EXPECT_EQ(cs.top, -2);
    EXPECT_EQ(cs.bottom, 4);
    EXPECT_TRUE(cs.xTimesPi);
    EXPECT_EQ(cs.precision, 400);
    EXPECT_EQ(cs.paramRange.from, -2.5);
    EXPECT_TRUE(cs.polarTimesPi);
    EXPECT_EQ(cs.polarRange.precision, 800);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(CoordSystemPagesTest, CancelChangesNothing)
{
    const CoordSystem before = document.coordSystem;
    EXPECT_FALSE(EditDocument([](CAdvPropertySheet& sheet) {
        Edit(*sheet.GetPage(0), 1057)->setText("-7");
        sheet.Button(IDCANCEL)->click();
    }));
    EXPECT_FALSE(document.coordSystem.Differs(before));
    EXPECT_FALSE(document.IsModified());
}

TEST_F(CoordSystemPagesTest, UnlistedPrecisionShowsNoSelectionUntilOneIsChosen)
{
    document.coordSystem.precision = 300;
    EXPECT_TRUE(EditDocument([&](CAdvPropertySheet& sheet) {
        EXPECT_EQ(List(*sheet.GetPage(0), 1064)->currentIndex(), -1);
        PressOk(sheet);
        EXPECT_TRUE(sheet.isVisible());
        List(*sheet.GetPage(0), 1064)->setCurrentIndex(1);
        PressOk(sheet);
    }));
    EXPECT_EQ(messages.Texts(), std::vector<QString>{MessageRecorder::Text(3139)});
    EXPECT_EQ(document.coordSystem.precision, 200);
}

TEST_F(CoordSystemPagesTest, AdvancedPageChecksPolarBeforeParametric)
{
    struct Fields {
        const char* polarFrom;
        const char* polarTo;
        int polarIndex;
        const char* paramFrom;
        const char* paramTo;
        int paramIndex;
    };
    const struct {
        Fields fields;
        std::vector<unsigned> messages;
    } rows[] = {
        {{"0", "", 0, "-1", "1", 0}, {3138}},
        {{"0", "", 0, "5", "1", -1}, {3139}},  // both lists come first
        {{"0", "1", -1, "-1", "1", 0}, {3139}},
        {{"0", "1", 0, "", "1", 0}, {3138}},
        {{"0", "300", 0, "1", "0", 0}, {3142}},  // 4 * 100 * 300 is past 100000
        {{"0", "1", 0, "-125", "125", 0}, {}},    // exactly at the limit
        {{"0", "1", 0, "0", "126", 1}, {3142}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fields.polarTo);
        messages.requests.clear();
        EditDocument([&](CAdvPropertySheet& sheet) {
            ASSERT_TRUE(sheet.SetActivePage(1));
            QWidget& page = *sheet.GetPage(1);
            Edit(page, 1150)->setText(row.fields.polarFrom);
            Edit(page, 1151)->setText(row.fields.polarTo);
            List(page, 1153)->setCurrentIndex(row.fields.polarIndex);
            Edit(page, 1158)->setText(row.fields.paramFrom);
            Edit(page, 1159)->setText(row.fields.paramTo);
            List(page, 1161)->setCurrentIndex(row.fields.paramIndex);
            EXPECT_EQ(sheet.SetActivePage(0), row.messages.empty());
        });
        std::vector<QString> expected;
        for (unsigned id : row.messages)
            expected.push_back(MessageRecorder::Text(id));
        EXPECT_EQ(messages.Texts(), expected);
    }
}

TEST_F(CoordSystemPagesTest, ImportFillsBothPagesOfTheDefault)
{
    CoordSystem current;
    current.left = -8;
    current.right = 9;
    current.precision = 1600;
    current.paramRange = {-4, 6, 1600};
    current.polarTimesPi = true;

    const auto runDefault = [&](bool ok) {
        SheetDriver driver([&](CAdvPropertySheet& sheet) {
            auto* import = sheet.GetPage(0)->findChild<QPushButton*>("control1188");
            ASSERT_TRUE(import && import->isVisible());
            import->click();
            EXPECT_EQ(Edit(*sheet.GetPage(0), 1057)->text(), "-8");
            ASSERT_TRUE(sheet.SetActivePage(1));
            EXPECT_EQ(Edit(*sheet.GetPage(1), 1159)->text(), "6");
            EXPECT_EQ(List(*sheet.GetPage(1), 1161)->currentIndex(), 4);
            sheet.Button(ok ? IDOK : IDCANCEL)->click();
        });
        return EditDefaultCoordSystem(nullptr, settings, current);
    };

    const CoordSystem before = settings.defaultCoordSystem;
    EXPECT_FALSE(runDefault(false));
    EXPECT_FALSE(settings.defaultCoordSystem.Differs(before));
    EXPECT_TRUE(runDefault(true));
    EXPECT_FALSE(settings.defaultCoordSystem.Differs(current));
    EXPECT_TRUE(messages.requests.empty());
}

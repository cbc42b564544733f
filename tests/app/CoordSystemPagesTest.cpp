#include "model/AppSettings.h"
#include "AppTestSupport.h"
#include "model/CCurvixDoc.h"
#include "app/CoordSystemFlows.h"
#include "KeyboardInput.h"
#include "model/MemorySettingsBackend.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class CoordSystemPagesTest : public testing::Test {
protected:
    bool EditDocument(std::function<void(CAdvPropertySheet&)> drive)
    {
        SheetDriver driver(std::move(drive));
        return EditCoordSystem(nullptr, m_document);
    }

    MemorySettingsBackend m_backend;
    AppSettings m_settings{m_backend};
    CCurvixDoc m_document{m_settings};
    MessageRecorder m_messages;
};

}  // namespace

// A refusal puts the caret back in the field at fault, its text selected.
TEST_F(CoordSystemPagesTest, GeneralPageRefusesInOrderAndKeepsTheSheetOpen)
{
    const struct {
        const char *left, *right;
        int precisionIndex;
        std::initializer_list<StringId> messages;
        int field;  // the control with the focus after a refusal
        const char *top = "1", *bottom = "-1";
    } rows[] = {
        {"-1", "1", -1, {StringId::NoPrecision}, 1064},
        {"", "", -1, {StringId::NoPrecision}, 1064},  // the precision is checked first
        {"5", "5", 0, {StringId::WrongRange}, 1057},
        {"2", "1", 0, {StringId::WrongRange}, 1057},
        {"", "1", 0, {StringId::WrongRange}, 1057},
        {"1", "", 0, {StringId::WrongRange}, 1058},
        {"1e9", "2e9", 0, {StringId::CoordSystemTooLarge}, 1057},
        {"abc", "1", 0, {}, 0},  // reads as 0
        {"-5", "5", 5, {}, 0},
        // The vertical edges, once the horizontal ones pass: top above bottom.
        {"-5", "5", 0, {StringId::WrongVerticalRange}, 1060, "-2", "4"},
        {"-5", "5", 0, {StringId::WrongVerticalRange}, 1060, "3", "3"},
        {"-5", "5", 0, {StringId::WrongVerticalRange}, 1060, "", "4"},
        {"-5", "5", 0, {StringId::WrongVerticalRange}, 1061, "4", ""},
        {"2", "1", 0, {StringId::WrongRange}, 1057, "-2", "4"},
        {"-5", "5", 0, {}, 0, "1e300", "-1e300"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.left) + " .. " + row.right);
        bool stayed = false;
        int refused = 0;
        EditDocument([&](CAdvPropertySheet& sheet) {
            Activate(&sheet);
            Get(sheet.GetPage(0), 1057)->setText(row.left);
            Get(sheet.GetPage(0), 1058)->setText(row.right);
            Get(sheet.GetPage(0), 1060)->setText(row.top);
            Get(sheet.GetPage(0), 1061)->setText(row.bottom);
            Get<QComboBox>(sheet.GetPage(0), 1064)->setCurrentIndex(row.precisionIndex);
            PressOk(sheet);
            stayed = sheet.isVisible();
            refused = FocusedControl();
        });
        EXPECT_EQ(stayed, row.messages.size() != 0);
        for (const AppMessageBox::Request& request : m_messages.requests)
            EXPECT_EQ(request.style, MB_ICONEXCLAMATION);
        EXPECT_EQ(m_messages.Take(), MessageRecorder::Texts(row.messages));
        if (stayed) {
            EXPECT_EQ(refused, row.field);
        }
    }
}

TEST_F(CoordSystemPagesTest, AdvancedPageChecksPolarBeforeParametric)
{
    const struct {
        const char *polarFrom, *polarTo;
        int polarIndex;
        const char *paramFrom, *paramTo;
        int paramIndex;
        std::initializer_list<StringId> messages;
    } rows[] = {
        {"0", "", 0, "-1", "1", 0, {StringId::WrongRange}},
        {"0", "", 0, "5", "1", -1, {StringId::NoPrecision}},  // both lists come first
        {"0", "1", -1, "-1", "1", 0, {StringId::NoPrecision}},
        {"0", "1", 0, "", "1", 0, {StringId::WrongRange}},
        {"0", "300", 0, "1", "0", 0, {StringId::CoordSystemTooLarge}},  // 4 * 100 * 300 is past 100000
        {"0", "1", 0, "-125", "125", 0, {}},   // exactly at the limit
        {"0", "1", 0, "0", "126", 1, {StringId::CoordSystemTooLarge}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.polarTo);
        EditDocument([&](CAdvPropertySheet& sheet) {
            ASSERT_TRUE(sheet.SetActivePage(1));
            QWidget* page = sheet.GetPage(1);
            Get(page, 1150)->setText(row.polarFrom);
            Get(page, 1151)->setText(row.polarTo);
            Get<QComboBox>(page, 1153)->setCurrentIndex(row.polarIndex);
            Get(page, 1158)->setText(row.paramFrom);
            Get(page, 1159)->setText(row.paramTo);
            Get<QComboBox>(page, 1161)->setCurrentIndex(row.paramIndex);
            EXPECT_EQ(sheet.SetActivePage(0), row.messages.size() == 0);
        });
        EXPECT_EQ(m_messages.Take(), MessageRecorder::Texts(row.messages));
    }
}

TEST_F(CoordSystemPagesTest, OkStoresBothPagesAndMarksTheDocument)
{
    m_document.coordSystem.precision = 300;  // not listed: no selection until one is chosen
    m_document.coordSystem.polarRange.precision = 800;
    EXPECT_TRUE(EditDocument([](CAdvPropertySheet& sheet) {
        QWidget* general = sheet.GetPage(0);
        EXPECT_EQ(Get<QComboBox>(general, 1064)->currentIndex(), -1);
        Get(general, 1060)->setText("4");
        Get(general, 1061)->setText("-2");
        Get<QCheckBox>(general, 1059)->setChecked(true);
        Get<QComboBox>(general, 1064)->setCurrentIndex(2);
        ASSERT_TRUE(sheet.SetActivePage(1));
        Get(sheet.GetPage(1), 1158)->setText("-2.5");
        PressOk(sheet);
    }));
    const CoordSystem& cs = m_document.coordSystem;
    EXPECT_EQ(cs.top, 4);
    EXPECT_EQ(cs.bottom, -2);
    EXPECT_TRUE(cs.xTimesPi);
    EXPECT_EQ(cs.precision, 400);
    EXPECT_EQ(cs.paramRange.from, -2.5);
    EXPECT_EQ(cs.polarRange.precision, 800);
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(CoordSystemPagesTest, ImportFillsTheUnseenAdvancedPageOfTheDefault)
{
    CoordSystem current;
    current.left = -8;
    current.precision = 1600;
    current.paramRange = {-4, 6, 1600};
    current.polarTimesPi = true;
    const auto runDefault = [&](int button) {
        SheetDriver driver([&](CAdvPropertySheet& sheet) {
            sheet.GetPage(0)->findChild<QPushButton*>("control1188")->click();
            EXPECT_EQ(Get(sheet.GetPage(0), 1057)->text(), "-8");
            if (button == IDCANCEL) {  // OK stores the Advanced page unseen
                ASSERT_TRUE(sheet.SetActivePage(1));
                EXPECT_EQ(Get(sheet.GetPage(1), 1159)->text(), "6");
                EXPECT_EQ(Get<QComboBox>(sheet.GetPage(1), 1161)->currentIndex(), 4);
            }
            sheet.Button(button)->click();
        });
        return EditDefaultCoordSystem(nullptr, m_settings, current);
    };
    const CoordSystem before = m_settings.defaultCoordSystem;
    EXPECT_FALSE(runDefault(IDCANCEL));
    EXPECT_FALSE(m_settings.defaultCoordSystem.Differs(before));
    EXPECT_TRUE(runDefault(IDOK));
    EXPECT_FALSE(m_settings.defaultCoordSystem.Differs(current));
    EXPECT_TRUE(m_messages.requests.empty());
}

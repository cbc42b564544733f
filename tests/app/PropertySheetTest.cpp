#include "CAdvPropertySheet.h"
#include "CImageButton.h"
#include "CPropertyPage.h"
#include "HelpRequests.h"
#include "MessageBoxStyle.h"
#include "SheetDriver.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A page that counts the protocol's calls and refuses to be left on demand.
class ProbePage : public CPropertyPage {
public:
    explicit ProbePage(unsigned templateId)
        : CPropertyPage(templateId, 17000), field(new QLineEdit(this))
    {
        RegisterControl(field, 1057);
        (new QVBoxLayout(this))->addWidget(field);
    }
    void OnInitDialog() override { ++inits; }
    void OnSetActive() override { ++activations; }
    bool OnKillActive() override
    {
        ++kills;
        return mayLeave;
    }

    QLineEdit* field;
    bool mayLeave = true;
    int inits = 0;
    int activations = 0;
    int kills = 0;
};

struct TwoPageSheet {
    TwoPageSheet() : sheet(500), first(new ProbePage(171)), second(new ProbePage(173))
    {
        sheet.AddPage(first);
        sheet.AddPage(second);
    }
    CAdvPropertySheet sheet;
    ProbePage* first;
    ProbePage* second;
};

void Press(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

}  // namespace

TEST(PropertySheetTest, RefusingPageKeepsTheTabAndOk)
{
    TwoPageSheet s;
    const int result = [&] {
        SheetDriver driver([&](CAdvPropertySheet& sheet) {
            EXPECT_EQ(s.first->inits, 1);
            EXPECT_EQ(s.first->activations, 1);
            EXPECT_EQ(s.second->inits, 0);

            s.first->mayLeave = false;
            EXPECT_FALSE(sheet.SetActivePage(1));
            EXPECT_EQ(sheet.GetActivePage(), s.first);
            EXPECT_EQ(s.second->inits, 0);
            PressOk(sheet);
            EXPECT_TRUE(sheet.isVisible()) << "OK is refused as well";

            s.first->mayLeave = true;
            EXPECT_TRUE(sheet.SetActivePage(1));
            EXPECT_TRUE(sheet.SetActivePage(0));
            EXPECT_TRUE(sheet.SetActivePage(1));
            EXPECT_EQ(s.second->inits, 1) << "initialised once";
            EXPECT_EQ(s.second->activations, 2);
            PressOk(sheet);
        });
        return s.sheet.DoModal();
    }();
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(s.second->kills, 2) << "leaving by tab, then by OK";
}

TEST(PropertySheetTest, CancelNeverAsksThePage)
{
    TwoPageSheet s;
    s.first->mayLeave = false;
    SheetDriver driver([](CAdvPropertySheet& sheet) { sheet.Button(IDCANCEL)->click(); });
    EXPECT_EQ(s.sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(s.first->kills, 0);
}

TEST(PropertySheetTest, SheetLeftOpenByTheDriverIsCancelled)
{
    TwoPageSheet s;
    SheetDriver driver([](CAdvPropertySheet&) {});
    EXPECT_EQ(s.sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(s.sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(s.sheet.findChildren<CImageButton*>().size(), 2) << "a second run adds no buttons";
    EXPECT_EQ(s.first->inits, 1);
}

TEST(PropertySheetTest, CloseModeHasOneDefaultCloseButton)
{
    TwoPageSheet s;
    s.sheet.closeMode = true;
    SheetDriver driver([](CAdvPropertySheet& sheet) {
        EXPECT_EQ(sheet.Button(IDOK), nullptr);
        EXPECT_EQ(sheet.Button(IDCANCEL), nullptr);
        CImageButton* close = sheet.Button(IDCLOSE);
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->text(), "Close");
        EXPECT_FALSE(close->Face().isNull());
        close->setDefault(false);
        sheet.SetActivePage(1);
        EXPECT_TRUE(close->isDefault()) << "made the default again on a tab change";
        Press(&sheet, Qt::Key_Return);
    });
    EXPECT_EQ(s.sheet.DoModal(), IDCANCEL);
}

TEST(PropertySheetTest, DisabledButtonsAlsoStopClosing)
{
    TwoPageSheet s;
    SheetDriver driver([](CAdvPropertySheet& sheet) {
        sheet.EnableButtons(false);
        EXPECT_FALSE(sheet.Button(IDOK)->isEnabled());
        EXPECT_FALSE(sheet.Button(IDCANCEL)->isEnabled());
        Press(&sheet, Qt::Key_Escape);
        sheet.close();
        EXPECT_TRUE(sheet.isVisible());
        sheet.EnableButtons(true);
        Press(&sheet, Qt::Key_Escape);
        EXPECT_FALSE(sheet.isVisible());
    });
    EXPECT_EQ(s.sheet.DoModal(), IDCANCEL);
}

TEST(PropertySheetTest, HelpRequestsCarryTheirContext)
{
    TwoPageSheet s;
    s.sheet.hasHelp = true;
    HelpRequests::ClearSubmitted();
    SheetDriver driver([&](CAdvPropertySheet& sheet) {
        sheet.activateWindow();
        s.first->field->setFocus();
        Press(s.first->field, Qt::Key_F1);
        sheet.Button(IDOK)->setFocus();
        Press(sheet.Button(IDOK), Qt::Key_F1);
        sheet.Button(IDHELP)->click();
        const QPoint inField = s.first->field->mapTo(&sheet, QPoint(2, 2));
        QHelpEvent whatsThis(QEvent::WhatsThis, inField, sheet.mapToGlobal(inField));
        QApplication::sendEvent(&sheet, &whatsThis);
        EXPECT_TRUE(sheet.isVisible()) << "help leaves the sheet open";
    });
    s.sheet.DoModal();

    struct Expected {
        std::uint32_t contextId;
        int controlId;
        bool popup;
    };
    const Expected expected[] = {
        {0x80AB0421, 1057, true},  // template 171, control 1057
        {0x80640001, IDOK, true},
        {0x20000 + 171, IDHELP, false},
        {0x80AB0421, 1057, true},
    };
    const auto& submitted = HelpRequests::Submitted();
    ASSERT_EQ(submitted.size(), std::size(expected));
    for (size_t i = 0; i < submitted.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(submitted[i].contextId, expected[i].contextId);
        EXPECT_EQ(submitted[i].controlId, expected[i].controlId);
        EXPECT_EQ(submitted[i].popup, expected[i].popup);
    }
}

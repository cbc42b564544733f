#include "AppTestSupport.h"
#include "kit/HelpRequests.h"
#include "KeyboardInput.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A page that counts the protocol's calls and refuses to be left on demand.
class ProbePage : public CPropertyPage {
public:
    explicit ProbePage(DialogId pageTemplate)
        : CPropertyPage(pageTemplate, StringId::GeneralPage), field(new QLineEdit(this))
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
    int inits = 0, activations = 0, kills = 0;
};

class PropertySheetTest : public testing::Test {
protected:
    PropertySheetTest()
    {
        m_sheet.AddPage(m_first);
        m_sheet.AddPage(m_second);
    }
    int Run(std::function<void(CAdvPropertySheet&)> drive)
    {
        SheetDriver driver(std::move(drive));
        return m_sheet.DoModal();
    }

    CAdvPropertySheet m_sheet{StringId::EditCoordSystemCaption};
    ProbePage* m_first = new ProbePage(DialogId::CoordSystemGeneral);
    ProbePage* m_second = new ProbePage(DialogId::CoordSystemAdvanced);
};

void Press(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

}  // namespace

TEST_F(PropertySheetTest, RefusingPageKeepsTheTabAndOk)
{
    EXPECT_EQ(Run([&](CAdvPropertySheet& shown) {
        EXPECT_EQ(m_first->activations, 1);
        m_first->mayLeave = false;
        EXPECT_FALSE(shown.SetActivePage(1));
        EXPECT_EQ(shown.GetActivePage(), m_first);
        EXPECT_EQ(m_second->inits, 0);
        PressOk(shown);
        EXPECT_TRUE(shown.isVisible()) << "OK is refused as well";

        m_first->mayLeave = true;
        EXPECT_TRUE(shown.SetActivePage(1));
        EXPECT_TRUE(shown.SetActivePage(0));
        EXPECT_TRUE(shown.SetActivePage(1));
        EXPECT_EQ(m_second->inits, 1) << "initialised once";
        EXPECT_EQ(m_second->activations, 2);
        PressOk(shown);
    }), IDOK);
    EXPECT_EQ(m_second->kills, 2) << "leaving by tab, then by OK";
}

TEST_F(PropertySheetTest, CancelNeverAsksThePageAndASecondRunAddsNoButtons)
{
    m_first->mayLeave = false;
    EXPECT_EQ(Run([](CAdvPropertySheet& shown) { shown.Button(IDCANCEL)->click(); }), IDCANCEL);
    EXPECT_EQ(Run([](CAdvPropertySheet&) {}), IDCANCEL) << "left open by the driver";
    EXPECT_EQ(m_first->kills, 0);
    EXPECT_EQ(m_first->inits, 1);
    EXPECT_EQ(m_sheet.findChildren<CImageButton*>().size(), 2);
}

TEST_F(PropertySheetTest, CloseModeHasOneDefaultCloseButton)
{
    m_sheet.closeMode = true;
    EXPECT_EQ(Run([](CAdvPropertySheet& shown) {
        EXPECT_EQ(shown.Button(IDOK), nullptr);
        EXPECT_EQ(shown.Button(IDCANCEL), nullptr);
        CImageButton* close = shown.Button(IDCLOSE);
        ASSERT_NE(close, nullptr);
        close->setDefault(false);
        shown.SetActivePage(1);
        EXPECT_TRUE(close->isDefault()) << "made the default again on a tab change";
        Press(&shown, Qt::Key_Return);
    }), IDCANCEL);
}

TEST_F(PropertySheetTest, DisabledButtonsAlsoStopClosing)
{
    Run([](CAdvPropertySheet& shown) {
        shown.EnableButtons(false);
        Press(&shown, Qt::Key_Escape);
        shown.close();
        EXPECT_TRUE(shown.isVisible());
        shown.EnableButtons(true);
        Press(&shown, Qt::Key_Escape);
        EXPECT_FALSE(shown.isVisible());
    });
}

TEST_F(PropertySheetTest, HelpRequestsCarryTheirContext)
{
    m_sheet.hasHelp = true;
    HelpRequests::ClearSubmitted();
    Run([&](CAdvPropertySheet& shown) {
        shown.activateWindow();
        m_first->field->setFocus();
        Press(m_first->field, Qt::Key_F1);
        shown.Button(IDOK)->setFocus();
        Press(shown.Button(IDOK), Qt::Key_F1);
        shown.Button(IDHELP)->click();
        const QPoint inField = m_first->field->mapTo(&shown, QPoint(2, 2));
        QHelpEvent whatsThis(QEvent::WhatsThis, inField, shown.mapToGlobal(inField));
        QApplication::sendEvent(&shown, &whatsThis);
        EXPECT_TRUE(shown.isVisible()) << "help leaves the sheet open";
    });
    using Help = std::tuple<std::uint32_t, int, bool>;  // context, control, popup
    std::vector<Help> submitted;
    for (const HelpRequest& request : HelpRequests::Submitted())
        submitted.emplace_back(request.contextId, request.controlId, request.popup);
    EXPECT_EQ(submitted, (std::vector<Help>{
                             {0x80AB0421, 1057, true},  // template 171, control 1057
                             {0x80640001, IDOK, true},
                             {0x20000 + 171, IDHELP, false},
                             {0x80AB0421, 1057, true},
                         }));
}

// The sheet opens with the caret in its page's first field; Enter there is
// OK (the page may still refuse); Enter on a focused Cancel or Help button
// presses that button, never OK.
TEST_F(PropertySheetTest, FocusStartsInTheFirstFieldAndEnterPressesTheFocusedButton)
{
    m_sheet.hasHelp = true;
    const struct {
        int button;  // 0: Enter in the field
        int result;
        int kills;
    } rows[] = {
        {0, IDOK, 1},
        {IDCANCEL, IDCANCEL, 0},
        {IDHELP, IDCANCEL, 0},  // help leaves the sheet open for the driver to cancel
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        m_first->kills = 0;
        m_first->field->setText("typed");
        HelpRequests::ClearSubmitted();
        EXPECT_EQ(Run([&](CAdvPropertySheet& shown) {
            Activate(&shown);
            EXPECT_EQ(QApplication::focusWidget(), m_first->field);
            EXPECT_EQ(m_first->field->selectedText(), "typed") << "typing replaces the text";
            if (row.button) {
                ASSERT_TRUE(TabTo(shown.Button(row.button)));
            }
            Type(Qt::Key_Return);
        }), row.result);
        EXPECT_EQ(m_first->kills, row.kills);
        EXPECT_EQ(HelpRequests::Submitted().size(), row.button == IDHELP ? 1u : 0u);
    }
}

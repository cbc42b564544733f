// The integral's custom function shows how the engine reads it, for the
// argument letter typed beside it.

#include "model/AppSettings.h"
#include "AppTestSupport.h"
#include "model/CCurvixDoc.h"
#include "view/GraphComputation.h"
#include "tools/dialogs/CIntegralSelGraphPage.h"
#include "model/MemorySettingsBackend.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString Shown(const QLabel* label)
{
    return label->isVisibleTo(label->window()) ? label->text().remove(QChar(0x200B)) : QString();
}

TEST(IntegralReading, FollowsTheFunctionAndItsLetter)
{
    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CCurvixDoc doc{settings};
    GraphComputation computation{settings.defaultCoordSystem};
    CIntegralSelGraphPage page(doc, settings.defaultCoordSystem.precision);
    page.Activate();
    page.show();
    QLineEdit* function = Get(&page, 1198);
    QLineEdit* letter = Get(&page, 1199);
    const QLabel* reading = page.findChild<QLabel*>("reading");
    const QLabel* warnings = page.findChild<QLabel*>("warnings");

    QTest::keyClicks(function, "t^2^3");
    EXPECT_EQ(Shown(reading), "[Syntax error] The variable 't' is not available in this expression.\n\n(e.g. you "
                              "cannot use variable 'x' when creating function of type \"r = f ( t )\".\nIn this case "
                              "you should use 't' variable.)")
        << "x until a letter is typed";
    QTest::keyClicks(letter, "t");
    EXPECT_EQ(Shown(reading), "Reads as: (t^2)^3");
    EXPECT_EQ(Shown(warnings), "At 1, \"t^2^3\": a chain of powers is taken from the left, as (t^2)^3; write "
                               "t^(2^3) for the other order.");
    letter->setText("q");  // a letter the tool refuses: read for x
    EXPECT_TRUE(Shown(reading).startsWith("[Syntax error]"));
}

}  // namespace

// The reading line under the graph page's equation fields: the reading and
// the warnings while the user types, the engine's message and the marked
// spot for a formula that does not compile; and the list's tooltip.

#include "AppTestSupport.h"
#include "app/CGraphListBox.h"
#include "app/GraphPropsSheet.h"
#include "app/CReadingLine.h"
#include "expr/CVariableTable.h"
#include "model/CoordSystem.h"
#include "expr/ExprExplanation.h"
#include "model/GraphItem.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <future>
#include <thread>

#include <gtest/gtest.h>

namespace {

// What a label shows, without the places where a long formula may break.
QString Shown(const QLabel* label)
{
    return label->isVisibleTo(label->window()) ? label->text().remove(QChar(0x200B)) : QString();
}

QString ReadingOf(const CReadingLine* line) { return Shown(line->findChild<QLabel*>("reading")); }
QString WarningsOf(const CReadingLine* line) { return Shown(line->findChild<QLabel*>("warnings")); }

// The engine's own reading of a text: its message, or its warnings' texts.
QString EngineMessage(const char* text, const char* argument)
{
    std::lock_guard lock(theVariables.Lock());
    const ExprExplanation explanation = ExplainExpression(text, argument);
    return explanation.error ? QString::fromStdString(explanation.error->Message()) : QString();
}

void Retype(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Pixels of the mark's background colour in the field's picture.
int MarkedPixels(QLineEdit* field)
{
    const QImage image = field->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == QColor(255, 208, 208);
    }
    return count;
}

class ReadingLineTest : public testing::Test {
protected:
    // Runs the sheet for a new graph of the kind; drive gets the sheet, the
    // two equation fields and their reading lines.
    std::optional<GraphItem> Run(GraphKind kind,
                                 const std::function<void(CAdvPropertySheet&, QLineEdit*, QLineEdit*,
                                                          CReadingLine*, CReadingLine*)>& drive)
    {
        GraphItem graph;
        graph.kind = kind;
        SheetDriver driver([&](CAdvPropertySheet& sheet) {
            // The lines in the order of their fields, found by their reading labels.
            const auto labels = sheet.findChildren<QLabel*>("reading");
            ASSERT_EQ(labels.size(), 2);
            drive(sheet, Get(&sheet, 1158), Get(&sheet, 1159), static_cast<CReadingLine*>(labels[0]->parentWidget()),
                  static_cast<CReadingLine*>(labels[1]->parentWidget()));
        });
        GraphPropsSheet sheet(graph, {true, true, m_cs, m_colors}, nullptr);
        if (sheet.DoModal() != IDOK)
            return std::nullopt;
        return sheet.Graph();
    }

    CoordSystem m_cs;
    std::array<std::uint32_t, 16> m_colors{};
    MessageRecorder m_messages;
};

TEST_F(ReadingLineTest, ShowsTheReadingAndWarningsWhileTypingAndOkStaysAllowed)
{
    const auto result = Run(KindYofX, [](CAdvPropertySheet& sheet, QLineEdit* first, QLineEdit*,
                                         CReadingLine* line, CReadingLine*) {
        EXPECT_EQ(ReadingOf(line), "") << "nothing typed, nothing shown";
        const struct {
            const char* typed;
            const char* reading;
            const char* warnings;
        } rows[] = {
            {"e", "Reads as: e", ""},
            {"e^-x", "Reads as: e-x", "At 2, \"^-x\": a sign right after ^ starts a new term; write ^(-x)."},
            {"e^(-x)", "Reads as: e^(-x)", ""},
            {"2x^2^3 + .5",
             "Reads as: 2*(x^2)^3+5",
             "At 2, \"x^2^3\": a chain of powers is taken from the left, as (x^2)^3; write x^(2^3) for the other "
             "order.\nAt 10, \".5\": a number cannot start with a point, so this is read as 5; write 0.5."},
            {"e^-x", "Reads as: e-x", "At 2, \"^-x\": a sign right after ^ starts a new term; write ^(-x)."},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(row.typed);
            Retype(first, row.typed);
            EXPECT_EQ(ReadingOf(line), row.reading);
            EXPECT_EQ(WarningsOf(line), row.warnings);
        }
        PressOk(sheet);
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->expression, "e^-x");
    EXPECT_TRUE(m_messages.Take().empty());
}

TEST_F(ReadingLineTest, ReadsForTheKindsArgument)
{
    Run(KindYofX, [](CAdvPropertySheet& sheet, QLineEdit* first, QLineEdit* second, CReadingLine* line,
                     CReadingLine* secondLine) {
        QTest::keyClicks(first, "T^2");
        EXPECT_EQ(ReadingOf(line), EngineMessage("T^2", "x"));
        auto* kinds = Get<QComboBox>(&sheet, 1168);
        kinds->setCurrentIndex(KindPolar);
        EXPECT_EQ(ReadingOf(line), "Reads as: t^2");
        EXPECT_FALSE(secondLine->isVisibleTo(&sheet));
        kinds->setCurrentIndex(KindParametric);
        EXPECT_TRUE(secondLine->isVisibleTo(&sheet));
        QTest::keyClicks(second, "sin t");
        EXPECT_EQ(ReadingOf(secondLine), EngineMessage("sin t", "t"));
        EXPECT_EQ(WarningsOf(secondLine), "At 1, \"sin t\": white space does not separate names, so this is read "
                                          "as sint; write sin(t).");
    });
}

// The engine's message takes the reading's place and the field marks the
// spot: a name as a whole, else one character; an error found only when
// evaluating has no spot.
TEST_F(ReadingLineTest, MarksWhereAFormulaDoesNotCompile)
{
    Run(KindYofX, [](CAdvPropertySheet&, QLineEdit* first, QLineEdit*, CReadingLine* line, CReadingLine*) {
        const struct {
            const char* typed;
            std::pair<int, int> span;
        } rows[] = {
            {"2 + sin(x", {7, 1}}, {"  Foo(x)", {2, 3}}, {"x)", {1, 1}}, {"ä+ y", {3, 1}}, {"sin(x,2)", {0, 0}},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(row.typed);
            first->setText(QString::fromUtf8(row.typed));
            EXPECT_EQ(ReadingOf(line), EngineMessage(row.typed, "x"));
            EXPECT_EQ(line->MarkedSpan().second > 0 ? line->MarkedSpan() : std::pair(0, 0), row.span);
        }
        Retype(first, "2 + sin(x");
        EXPECT_GT(MarkedPixels(first), 0);
        QTest::keyClick(first, Qt::Key_ParenRight);
        EXPECT_EQ(ReadingOf(line), "Reads as: 2+sin(x)");
        EXPECT_EQ(line->MarkedSpan().second, 0);
        EXPECT_EQ(MarkedPixels(first), 0);
    });
}

// Typing goes on while a computation holds the lock; the line catches up
// once the lock is free.
TEST_F(ReadingLineTest, NeverWaitsForTheComputationLock)
{
    Run(KindYofX, [](CAdvPropertySheet&, QLineEdit* first, QLineEdit*, CReadingLine* line, CReadingLine*) {
        QTest::keyClicks(first, "x");
        std::promise<void> locked, release;
        std::thread computation([&] {
            std::lock_guard lock(theVariables.Lock());
            locked.set_value();
            release.get_future().wait();
        });
        locked.get_future().wait();
        QTest::keyClicks(first, "^^2");
        EXPECT_EQ(first->text(), "x^^2");
        EXPECT_EQ(ReadingOf(line), "Reads as: x");
        release.set_value();
        computation.join();
        line->Refresh();
        EXPECT_EQ(ReadingOf(line), "Reads as: x^2");
    });
}

TEST(GraphListTip, ShowsHowEachEquationReads)
{
    GraphItem graphs[2];
    graphs[0].kind = KindParametric;
    graphs[0].expression = "COS(t)";
    graphs[0].expression2 = "2sin(t)^2^3";
    graphs[1].kind = KindYofX;
    graphs[1].expression = "sinx";
    CGraphListBox list;
    list.FillFrom(graphs);
    list.resize(300, 200);
    list.show();
    const QString tips[] = {"Reads as: x = cos(t)\nReads as: y = 2*(sin(t)^2)^3",
                            EngineMessage("sinx", "x")};
    for (int row = 0; row < 2; ++row) {
        const QPoint at = list.visualItemRect(list.item(row)).center();
        QHelpEvent event(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &event);
        EXPECT_EQ(QToolTip::text(), tips[row]);
    }
}

}  // namespace

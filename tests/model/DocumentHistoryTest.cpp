// Undo and redo of document changes and their interplay with the modified
// flag, saving, New and Open.

#include "ModelTest.h"

#include <functional>

namespace {

using History = DocumentFixture;

std::vector<std::string> Expressions(CCurvixDoc& doc)
{
    std::vector<std::string> texts;
    for (GraphItem* item = doc.GetFirstGraph(); item; item = doc.GetNextGraph())
        texts.push_back(item->expression + (item->hidden ? " hidden" : ""));
    return texts;
}

// Makes one change the way the program's commands do: state before, change,
// record.
void Change(CCurvixDoc& doc, StringId name, const std::function<void(CCurvixDoc&)>& change)
{
    DocumentState before = doc.CaptureState();
    change(doc);
    doc.RecordStep(name, std::move(before));
}

void AddNamed(CCurvixDoc& doc, const char* text)
{
    Change(doc, StringId::StepAddGraph, [text](CCurvixDoc& d) { d.AddGraph(MakeGraph(KindYofX, text)); });
}

TEST_F(History, EveryKindOfStepUndoesAndRedoes)
{
    struct Row {
        const char* what;
        StringId name;
        std::function<void(CCurvixDoc&)> change;
    } rows[] = {
        {"add", StringId::StepAddGraph, [](CCurvixDoc& d) { d.AddGraph(MakeGraph(KindPolar, "t")); }},
        {"remove", StringId::StepRemoveGraph, [](CCurvixDoc& d) { d.RemoveGraph(0); }},
        {"edit", StringId::StepEditGraph, [](CCurvixDoc& d) { d.GetFirstGraph()->expression = "x^3"; }},
        {"hide", StringId::StepHideGraph, [](CCurvixDoc& d) { d.GetFirstGraph()->hidden = true; }},
        {"colour", StringId::StepChangeColour, [](CCurvixDoc& d) { d.GetFirstGraph()->color = 0x0000ff; }},
        {"range", StringId::StepEditGraph, [](CCurvixDoc& d) { d.GetFirstGraph()->useAdvanced = true; }},
        {"white space", StringId::StepEditGraph, [](CCurvixDoc& d) { d.GetFirstGraph()->expression = "x ^ 2"; }},
        {"coordinate system", StringId::StepEditCoordSystem,
         [](CCurvixDoc& d) { d.coordSystem.left = -3, d.coordSystem.paramTimesPi = true; }},
        {"refresh flag", StringId::StepAutoRefresh, [](CCurvixDoc& d) { d.autoRefresh = !d.autoRefresh; }},
    };
    for (const Row& row : rows) {
        m_doc.OnNewDocument();
        m_doc.AddGraph(MakeGraph(KindYofX, "x^2"));
        m_doc.AddGraph(MakeGraph(KindYofX, "sin(x)"));
        const DocumentState before = m_doc.CaptureState();
        Change(m_doc, row.name, row.change);
        const DocumentState after = m_doc.CaptureState();
        ASSERT_FALSE(after.SameAs(before)) << row.what;
        EXPECT_EQ(m_doc.History().UndoName(), row.name) << row.what;

        ASSERT_TRUE(m_doc.Undo()) << row.what;
        EXPECT_TRUE(m_doc.CaptureState().SameAs(before)) << row.what;
        EXPECT_FALSE(m_doc.History().CanUndo()) << row.what;
        EXPECT_EQ(m_doc.History().RedoName(), row.name) << row.what;
        EXPECT_FALSE(m_doc.Undo()) << row.what;

        ASSERT_TRUE(m_doc.Redo()) << row.what;
        EXPECT_TRUE(m_doc.CaptureState().SameAs(after)) << row.what;
        EXPECT_FALSE(m_doc.Redo()) << row.what;
        EXPECT_EQ(m_doc.History().UndoName(), row.name) << row.what;
    }
}

TEST_F(History, StepsInOrderAndANewStepEndsRedo)
{
    for (const char* text : {"a", "b", "c"})
        AddNamed(m_doc, text);
    Change(m_doc, StringId::StepRemoveGraph, [](CCurvixDoc& d) { d.RemoveGraph(1); });
    EXPECT_EQ(Expressions(m_doc), (std::vector<std::string>{"a", "c"}));
    m_doc.Undo();
    m_doc.Undo();
    EXPECT_EQ(Expressions(m_doc), (std::vector<std::string>{"a", "b"}));
    AddNamed(m_doc, "d");
    EXPECT_FALSE(m_doc.History().CanRedo());
    m_doc.Undo();
    m_doc.Undo();
    m_doc.Undo();
    EXPECT_TRUE(Expressions(m_doc).empty());
    EXPECT_FALSE(m_doc.Undo());
}

// The zoom is view state: undo leaves it alone.
TEST_F(History, UndoKeepsTheZoom)
{
    AddNamed(m_doc, "a");
    m_doc.zoomX = 250;
    m_doc.Undo();
    EXPECT_EQ(m_doc.zoomX, 250);
}

TEST_F(History, AChangeThatChangedNothingIsNoStepButModifies)
{
    Change(m_doc, StringId::StepEditCoordSystem, [](CCurvixDoc&) {});
    EXPECT_FALSE(m_doc.History().CanUndo());
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(History, KeepsTheNewestHundredSteps)
{
    for (int i = 0; i < 130; ++i)
        AddNamed(m_doc, std::to_string(i).c_str());
    EXPECT_EQ(m_doc.History().UndoCount(), DocumentHistory::kDefaultCapacity);
    while (m_doc.Undo()) {
    }
    EXPECT_EQ(m_doc.GetGraphCount(), 30);
    EXPECT_EQ(m_doc.GetFirstGraph()->expression, "0");
}

// The modified flag follows the history back and forth around the saved
// state; a change outside the history (a zoom) leaves no way back to it.
TEST_F(History, ModifiedFlagFollowsTheSavedState)
{
    const std::string path = File("saved.cvx");
    AddNamed(m_doc, "a");
    m_doc.OnSaveDocument(path);
    struct Step {
        const char* what;
        std::function<void()> act;
        bool modified;
    } steps[] = {
        {"add b", [&] { AddNamed(m_doc, "b"); }, true},
        {"undo to saved", [&] { m_doc.Undo(); }, false},
        {"undo before saved", [&] { m_doc.Undo(); }, true},
        {"redo to saved", [&] { m_doc.Redo(); }, false},
        {"redo after saved", [&] { m_doc.Redo(); }, true},
        {"save", [&] { m_doc.OnSaveDocument(path); }, false},
        {"undo after saving", [&] { m_doc.Undo(); }, true},
        {"redo to saved again", [&] { m_doc.Redo(); }, false},
        {"undo, then a new step", [&] { m_doc.Undo(), AddNamed(m_doc, "c"); }, true},
        {"undo to the state before the saved one", [&] { m_doc.Undo(); }, true},
        {"zoom", [&] { m_doc.SetModifiedFlag(); }, true},
        {"steps back and forth after a zoom", [&] { AddNamed(m_doc, "d"), m_doc.Undo(); }, true},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(m_doc.IsModified(), step.modified) << step.what;
    }
}

TEST_F(History, NewAndOpenStartAnEmptyHistoryAFailedOpenKeepsIt)
{
    const std::string path = File("one.cvx");
    AddNamed(m_doc, "a");
    m_doc.OnSaveDocument(path);
    AddNamed(m_doc, "b");

    EXPECT_TRUE(Open(File("missing.cvx")).has_value());
    EXPECT_TRUE(m_doc.History().CanUndo());

    EXPECT_FALSE(Open(path).has_value());
    EXPECT_FALSE(m_doc.History().CanUndo() || m_doc.History().CanRedo());
    AddNamed(m_doc, "c");
    m_doc.Undo();
    EXPECT_FALSE(m_doc.IsModified());  // back to the opened file

    AddNamed(m_doc, "d");
    m_doc.OnNewDocument();
    EXPECT_FALSE(m_doc.History().CanUndo() || m_doc.History().CanRedo());
}

}  // namespace

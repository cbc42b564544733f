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
        doc.OnNewDocument();
        doc.AddGraph(MakeGraph(KindYofX, "x^2"));
        doc.AddGraph(MakeGraph(KindYofX, "sin(x)"));
        const DocumentState before = doc.CaptureState();
        Change(doc, row.name, row.change);
        const DocumentState after = doc.CaptureState();
        ASSERT_FALSE(after.SameAs(before)) << row.what;
        EXPECT_EQ(doc.History().UndoName(), row.name) << row.what;

        ASSERT_TRUE(doc.Undo()) << row.what;
        EXPECT_TRUE(doc.CaptureState().SameAs(before)) << row.what;
        EXPECT_FALSE(doc.History().CanUndo()) << row.what;
        EXPECT_EQ(doc.History().RedoName(), row.name) << row.what;
        EXPECT_FALSE(doc.Undo()) << row.what;

        ASSERT_TRUE(doc.Redo()) << row.what;
        EXPECT_TRUE(doc.CaptureState().SameAs(after)) << row.what;
        EXPECT_FALSE(doc.Redo()) << row.what;
        EXPECT_EQ(doc.History().UndoName(), row.name) << row.what;
    }
}

TEST_F(History, StepsInOrderAndANewStepEndsRedo)
{
    for (const char* text : {"a", "b", "c"})
        AddNamed(doc, text);
    Change(doc, StringId::StepRemoveGraph, [](CCurvixDoc& d) { d.RemoveGraph(1); });
    EXPECT_EQ(Expressions(doc), (std::vector<std::string>{"a", "c"}));
    doc.Undo();
    doc.Undo();
    EXPECT_EQ(Expressions(doc), (std::vector<std::string>{"a", "b"}));
    AddNamed(doc, "d");
    EXPECT_FALSE(doc.History().CanRedo());
    doc.Undo();
    doc.Undo();
    doc.Undo();
    EXPECT_TRUE(Expressions(doc).empty());
    EXPECT_FALSE(doc.Undo());
}

// The zoom is view state: undo leaves it alone.
TEST_F(History, UndoKeepsTheZoom)
{
    AddNamed(doc, "a");
    doc.zoomX = 250;
    doc.Undo();
    EXPECT_EQ(doc.zoomX, 250);
}

TEST_F(History, AChangeThatChangedNothingIsNoStepButModifies)
{
    Change(doc, StringId::StepEditCoordSystem, [](CCurvixDoc&) {});
    EXPECT_FALSE(doc.History().CanUndo());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(History, KeepsTheNewestHundredSteps)
{
    for (int i = 0; i < 130; ++i)
        AddNamed(doc, std::to_string(i).c_str());
    EXPECT_EQ(doc.History().UndoCount(), DocumentHistory::kDefaultCapacity);
    while (doc.Undo()) {
    }
    EXPECT_EQ(doc.GetGraphCount(), 30);
    EXPECT_EQ(doc.GetFirstGraph()->expression, "0");
}

// The modified flag follows the history back and forth around the saved
// state; a change outside the history (a zoom) leaves no way back to it.
TEST_F(History, ModifiedFlagFollowsTheSavedState)
{
    const std::string path = File("saved.cvx");
    AddNamed(doc, "a");
    doc.OnSaveDocument(path);
    struct Step {
        const char* what;
        std::function<void()> act;
        bool modified;
    } steps[] = {
        {"add b", [&] { AddNamed(doc, "b"); }, true},
        {"undo to saved", [&] { doc.Undo(); }, false},
        {"undo before saved", [&] { doc.Undo(); }, true},
        {"redo to saved", [&] { doc.Redo(); }, false},
        {"redo after saved", [&] { doc.Redo(); }, true},
        {"save", [&] { doc.OnSaveDocument(path); }, false},
        {"undo after saving", [&] { doc.Undo(); }, true},
        {"redo to saved again", [&] { doc.Redo(); }, false},
        {"undo, then a new step", [&] { doc.Undo(), AddNamed(doc, "c"); }, true},
        {"undo to the state before the saved one", [&] { doc.Undo(); }, true},
        {"zoom", [&] { doc.SetModifiedFlag(); }, true},
        {"steps back and forth after a zoom", [&] { AddNamed(doc, "d"), doc.Undo(); }, true},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(doc.IsModified(), step.modified) << step.what;
    }
}

TEST_F(History, NewAndOpenStartAnEmptyHistoryAFailedOpenKeepsIt)
{
    const std::string path = File("one.cvx");
    AddNamed(doc, "a");
    doc.OnSaveDocument(path);
    AddNamed(doc, "b");

    EXPECT_TRUE(Open(File("missing.cvx")).has_value());
    EXPECT_TRUE(doc.History().CanUndo());

    EXPECT_FALSE(Open(path).has_value());
    EXPECT_FALSE(doc.History().CanUndo() || doc.History().CanRedo());
    AddNamed(doc, "c");
    doc.Undo();
    EXPECT_FALSE(doc.IsModified());  // back to the opened file

    AddNamed(doc, "d");
    doc.OnNewDocument();
    EXPECT_FALSE(doc.History().CanUndo() || doc.History().CanRedo());
}

}  // namespace

// Recovery copies: kept while changes are unsaved, offered after a crash.

#include "gui/AppText.h"
#include "app/frame/CMainFrame.h"
#include "app/frame/DocumentRecovery.h"
#include "FrameTestSupport.h"
#include "model/MemorySettingsBackend.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

namespace {

int GraphsIn(const QString& path)
{
    MemorySettingsBackend backend;
    AppSettings settings(backend);
    CCurvixDoc doc(settings);
    doc.OnOpenDocument(path.toStdString());
    return doc.GetGraphCount();
}

class RecoveryTest : public FrameTest {
protected:
    RecoveryTest() { QDir(DocumentRecovery::DefaultFolder()).removeRecursively(); }
    static QString LostCopy(const char* id)
    {
        QDir().mkpath(DocumentRecovery::DefaultFolder());
        return QDir(DocumentRecovery::DefaultFolder()).filePath(QString("recovery-%1.cvx").arg(id));
    }
};

}  // namespace

// The copy appears with the first unsaved change, holds the document, and
// goes when the changes are saved or dropped and when the program ends.
TEST_F(RecoveryTest, CopyFollowsUnsavedChanges)
{
    ASSERT_TRUE(Start());
    DocumentRecovery& recovery = Frame().Recovery();
    const QString copy = recovery.CopyPath();
    ASSERT_FALSE(copy.isEmpty());
    recovery.Update();
    EXPECT_FALSE(QFile::exists(copy)) << "nothing to recover yet";

    AddGraphs(3);
    Doc().SetModifiedFlag();
    recovery.Update();
    ASSERT_TRUE(QFile::exists(copy));
    EXPECT_EQ(GraphsIn(copy), 3);

    Doc().SetModifiedFlag(false);  // saved
    recovery.Update();
    EXPECT_FALSE(QFile::exists(copy));

    Doc().SetModifiedFlag();
    recovery.Update();
    EXPECT_TRUE(QFile::exists(copy));
    m_app.reset();  // the program ends; the user chose not to save
    EXPECT_FALSE(QFile::exists(copy));
}

// At start a copy no running program holds is offered: Yes restores it as an
// unsaved, untitled document, No discards it; a held copy is not offered.
TEST_F(RecoveryTest, LostCopyIsOfferedAtStart)
{
    const QString question = AppText(StringId::RestoreQuestion).section('%', 0, 0);
    const struct {
        int answer;
        int graphs;
        bool modified;
    } rows[] = {
        {IDYES, 2, true},
        {IDNO, 0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answer);
        const QString lost = LostCopy("999999");
        WriteFile(lost, TwoGraphDocument());
        m_asked.clear();
        m_answers = {row.answer};
        WriteFile(Path("opened.cvx"), TwoGraphDocument());
        ASSERT_TRUE(Start({Path("opened.cvx")}));
        ASSERT_EQ(m_asked.size(), 1u);
        EXPECT_TRUE(m_asked[0].text.startsWith(question));
        EXPECT_EQ(m_asked[0].style & 0xF, MB_YESNO);
        EXPECT_FALSE(QFile::exists(lost)) << "restored or discarded, it is not offered again";
        if (row.answer == IDYES) {
            EXPECT_EQ(Doc().GetGraphCount(), row.graphs);
            EXPECT_TRUE(Frame().Files().Title().startsWith(AppText(StringId::Untitled)));
        } else {
            EXPECT_EQ(Doc().GetGraphCount(), 2) << "the file named on the command line opens";
        }
        EXPECT_EQ(Doc().IsModified(), row.modified);
        Doc().SetModifiedFlag(false);
        m_app.reset();
    }

    // A copy whose program still runs holds its lock and is left alone.
    const QString held = LostCopy("888888");
    WriteFile(held, TwoGraphDocument());
    QLockFile lock(QDir(DocumentRecovery::DefaultFolder()).filePath("recovery-888888.lock"));
    ASSERT_TRUE(lock.tryLock(0));
    m_asked.clear();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(m_asked.empty());
    EXPECT_TRUE(QFile::exists(held));
}

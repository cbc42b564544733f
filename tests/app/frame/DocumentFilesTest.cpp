// Opening through the window: what the user is told, and that a failed or
// declined open leaves the current document, its name and its modified
// flag alone.

#include "model/Archive.h"
#include "model/CCurvixDoc.h"
#include "app/frame/CMainFrame.h"
#include "FrameTestSupport.h"
#include "model/MemorySettingsBackend.h"
#include "PreviousVersionFile.h"

#include <QBuffer>
#include <QImage>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

Bytes Picture()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Bytes(png.begin(), png.end());
}

class DocumentFiles : public FrameTest {
protected:
    // The window on a.cvx with its two graphs and a third added since.
    void StartOnChangedDocument()
    {
        WriteFile(Path("a.cvx"), TwoGraphDocument());
        ASSERT_TRUE(Start({Path("a.cvx")}));
        AddGraphs(1);
        Doc().SetModifiedFlag();
        m_asked.clear();
    }
    QString Title()
    {
        QApplication::processEvents();
        return Frame().windowTitle();
    }
    QString Opening(const QString& path, const QString& reason) const
    {
        return "Error opening file '" + path + "'.\n" + reason;
    }
};

// Each open below fails or is declined after the user chose not to save
// the changes: the message names the file, the question comes only for a
// complete previous-version file, the document stays as it was and the
// file leaves the recent-file list.
TEST_F(DocumentFiles, FailedOrDeclinedOpenKeepsTheDocument)
{
    StartOnChangedDocument();
    const QString damaged = "The file is damaged or is not a Curvix document.";
    WriteFile(Path("huge.cvx"), {});
    fs::resize_file(Path("huge.cvx").toStdString(), (std::uintmax_t{64} << 20) + 1);  // sparse
    PreviousVersionFile old;
    old.graphs = {{false, 0xFF, "x^3"}};
    WriteFile(Path("old.cvx"), old.Bytes());
    Bytes cut = old.Bytes();
    cut.pop_back();
    WriteFile(Path("old-cut.cvx"), cut);
    WriteFile(Path("picture.png"), Picture());
    const struct {
        const char* name;
        int answer;  // to the question, if any
        QString message;
    } rows[] = {
        {"missing.cvx", IDOK, Opening(Path("missing.cvx"), "No such file or directory")},
        {"huge.cvx", IDOK,
         Opening(Path("huge.cvx"), "The file is larger than 64 MB; no Curvix document is that large.")},
        {"picture.png", IDOK, Opening(Path("picture.png"), damaged)},
        {"old-cut.cvx", IDOK, Opening(Path("old-cut.cvx"), damaged)},
        {"old.cvx", IDCANCEL, AppText(StringId::ConvertQuestion)},
    };
    const QString saveQuestion = "Save changes to a.cvx?";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Frame().Files().Recent().Add(Path(row.name));
        m_asked.clear();
        m_answers = {IDNO, row.answer};
        EXPECT_FALSE(Frame().Files().OpenPath(Path(row.name)));
        EXPECT_EQ(AskedTexts(), (std::vector<QString>{saveQuestion, row.message}));
        EXPECT_EQ(Doc().GetGraphCount(), 3);
        EXPECT_TRUE(Doc().IsModified());
        EXPECT_EQ(Title(), "a.cvx[*] - Curvix");
        EXPECT_FALSE(Frame().Files().Recent().Files().contains(Path(row.name)));
    }
    // Accepting the question opens the previous-version file.
    m_answers = {IDNO, IDOK};
    EXPECT_TRUE(Frame().Files().OpenPath(Path("old.cvx")));
    EXPECT_EQ(Doc().GetGraphCount(), 1);
    EXPECT_EQ(Title(), "old.cvx[*] - Curvix");
}

}  // namespace

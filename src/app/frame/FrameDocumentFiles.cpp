#include "app/frame/FrameDocumentFiles.h"

#include "kit/AppMessageBox.h"
#include "gui/AppText.h"
#include "app/frame/CCurvixApp.h"
#include "model/CCurvixDoc.h"
#include "model/DocFileException.h"
#include "kit/MessageBoxStyle.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

constexpr int kRecentFiles = 4;

FrameDocumentFiles::FileChooser& TestChooser()
{
    static FrameDocumentFiles::FileChooser chooser;
    return chooser;
}

// A field of the document string: 3 the filter, 4 the extension.
QString DocStringField(int field)
{
    return AppText(StringId::DocumentTypes).split(QLatin1Char('\n')).value(field);
}

void ReportFailure(QWidget* owner, const DocFileException& error)
{
    if (error.GetCause() != DocFileException::Cause::UserCancelled)
        AppMessageBox::Show(owner, QString::fromStdString(error.Text()), StringId::ErrorCaption, MB_ICONEXCLAMATION);
}

}  // namespace

FrameDocumentFiles::FrameDocumentFiles(CCurvixDoc& document, QWidget& ownerWidget, std::function<void()> onLoaded)
    : m_doc(document), m_owner(ownerWidget), m_loaded(std::move(onLoaded)), m_recent(kRecentFiles)
{
    m_recent.Load();
}

void FrameDocumentFiles::SetTestFileChooser(FileChooser chooser)
{
    TestChooser() = std::move(chooser);
}

QString FrameDocumentFiles::ChooseFile(bool save) const
{
    if (TestChooser())
        return TestChooser()(save);
    const QString filter = DocStringField(3) + QStringLiteral(";;") + AppText(StringId::AllFilesFilter);
    return save ? QFileDialog::getSaveFileName(&m_owner, QString(), m_path, filter)
                : QFileDialog::getOpenFileName(&m_owner, QString(), QString(), filter);
}

bool FrameDocumentFiles::NewDocument()
{
    if (!SaveModified())
        return false;
    m_doc.OnNewDocument();
    Loaded(QString());
    return true;
}

bool FrameDocumentFiles::RestoreCopy(const QString& copyPath)
{
    try {
        m_doc.OnOpenDocument(copyPath.toStdString());
    } catch (const DocFileException& error) {
        ReportFailure(&m_owner, error);
        return false;
    }
    m_doc.SetModifiedFlag();
    Loaded(QString());
    return true;
}

bool FrameDocumentFiles::OpenDocument()
{
    const QString chosen = ChooseFile(false);
    return !chosen.isEmpty() && OpenPath(chosen);
}

bool FrameDocumentFiles::OpenPath(const QString& target)
{
    if (!SaveModified())
        return false;
    try {
        m_doc.OnOpenDocument(target.toStdString());
    } catch (const DocFileException& error) {
        // The document, its file name and its modified flag stay as they were.
        ReportFailure(&m_owner, error);
        m_recent.Remove(target);
        return false;
    }
    Loaded(target);
    m_recent.Add(target);
    return true;
}

bool FrameDocumentFiles::Save()
{
    return m_path.isEmpty() ? SaveAs() : SaveTo(m_path);
}

bool FrameDocumentFiles::SaveAs()
{
    QString chosen = ChooseFile(true);
    if (chosen.isEmpty())
        return false;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += DocStringField(4);
    if (!SaveTo(chosen))
        return false;
    m_path = chosen;
    m_recent.Add(chosen);
    return true;
}

bool FrameDocumentFiles::SaveTo(const QString& target)
{
    try {
        m_doc.OnSaveDocument(target.toStdString());
    } catch (const DocFileException& error) {
        ReportFailure(&m_owner, error);
        return false;
    }
    return true;
}

bool FrameDocumentFiles::SaveModified()
{
    if (!m_doc.IsModified())
        return true;
    const QString name = m_path.isEmpty() ? AppText(StringId::Untitled) : QFileInfo(m_path).fileName();
    switch (CCurvixApp::DoMessageBox(AppText(StringId::AskToSave).replace(QStringLiteral("%s"), name), MB_YESNOCANCEL)) {
    case IDYES:
        return Save();
    case IDNO:
        return true;
    default:
        return false;
    }
}

QString FrameDocumentFiles::Title() const
{
    const QString name = m_path.isEmpty() ? AppText(StringId::Untitled) : QFileInfo(m_path).fileName();
    return name + QStringLiteral("[*]");
}

void FrameDocumentFiles::Loaded(const QString& newPath)
{
    m_path = newPath;
    m_loaded();
}

#pragma once

#include "app/frame/RecentFileList.h"

#include <QString>

#include <functional>

class CCurvixDoc;
class QWidget;

// The main window's file commands on the single document: New, Open, Save,
// Save As and the recent files, with the question to save changes before
// the document is replaced or the program ends. A failed save, and a failed
// or declined open, keep the document, its name and its modified state.
class FrameDocumentFiles {
public:
    // loaded is called after the document was replaced by a new or opened one.
    FrameDocumentFiles(CCurvixDoc& doc, QWidget& owner, std::function<void()> loaded);

    bool NewDocument();
    // Asks for a file, then opens it.
    bool OpenDocument();
    // Asks to save changes, then opens the file; a failure is reported.
    bool OpenPath(const QString& path);
    // Takes a recovery copy as an unsaved, untitled document; a copy that
    // cannot be read is reported and leaves the document as it was.
    bool RestoreCopy(const QString& copyPath);
    bool Save();
    bool SaveAs();
    // True when the document may be replaced: it is unchanged, or the user
    // saved it or chose not to.
    bool SaveModified();

    // "name.cvx" or "Untitled", with Qt's modified mark.
    QString Title() const;
    RecentFileList& Recent() { return m_recent; }

    // A test's stand-in for the file dialogs: returns the chosen path, or an
    // empty text for Cancel. An empty chooser shows the dialogs again.
    using FileChooser = std::function<QString(bool save)>;
    static void SetTestFileChooser(FileChooser chooser);

private:
    QString ChooseFile(bool save) const;
    bool SaveTo(const QString& target);
    void Loaded(const QString& newPath);

    CCurvixDoc& m_doc;
    QWidget& m_owner;
    std::function<void()> m_loaded;
    QString m_path;
    RecentFileList m_recent;
};

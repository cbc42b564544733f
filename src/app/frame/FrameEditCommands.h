#pragma once

#include "view/render/PictureFile.h"

#include <QString>

#include <functional>

class AppSettings;
class CCurvixDoc;
class GraphComputation;
class CCurvixView;
class QAction;
class QWidget;

// The Edit menu's commands: undo and redo of the document's changes, and
// the picture copied to the clipboard or exported to a file.
class FrameEditCommands {
public:
    FrameEditCommands(CCurvixDoc& doc, const GraphComputation& computation, AppSettings& settings, CCurvixView& view,
                      QWidget& owner);

    // Restore the document and show it as after the change itself.
    void Undo();
    void Redo();
    // The visible picture, as an image and as SVG data.
    void CopyPicture() const;
    // Asks for the options and the file, then writes the picture; the
    // choices are remembered once a file was written.
    void ExportPicture();
    // "Undo Remove graph", or plain "Undo" with nothing to undo.
    void UpdateMenuTexts(QAction& undo, QAction& redo) const;

    // A test's stand-in for the save dialog: called with the folder to start
    // in and the chosen format; an empty name cancels.
    using FileChooser = std::function<QString(const QString& folder, PictureFile::Format format)>;
    static void SetTestFileChooser(FileChooser chooser);

private:
    QString ChooseFile(PictureFile::Format format) const;

    CCurvixDoc& m_doc;
    const GraphComputation& m_computation;
    AppSettings& m_settings;
    CCurvixView& m_view;
    QWidget& m_owner;
};

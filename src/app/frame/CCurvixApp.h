#pragma once

#include "model/AppSettings.h"
#include "model/CCurvixDoc.h"
#include "app/frame/CMainFrame.h"
#include "view/GraphComputation.h"
#include "settings/QtSettingsBackend.h"

#include <QPointer>
#include <QStringList>

#include <memory>

class ConversionPrompt;

// The application: sets up the expression engine and the settings, creates
// the document and the main window, opens the document named on the
// command line and shows the window behind the splash. The QApplication
// must exist before it.
class CCurvixApp {
public:
    // arguments: the command line without the program's name.
    explicit CCurvixApp(QStringList arguments);
    ~CCurvixApp();
    CCurvixApp(const CCurvixApp&) = delete;
    CCurvixApp& operator=(const CCurvixApp&) = delete;

    // The start-up sequence; false ends the program with a failure status.
    // A window closed during the start-up ends the event loop as soon as it
    // runs, with success.
    bool InitInstance();

    // Every message of the framework's kind: a box with the program's name
    // as caption, and the exclamation icon when the style names no icon and
    // its buttons are OK, OK/Cancel, Yes/No/Cancel or Yes/No.
    static int DoMessageBox(const QString& text, unsigned style);

    // The main window while it exists.
    CMainFrame* MainFrame() const { return m_frame; }
    CCurvixDoc& Document() { return m_doc; }
    GraphComputation& Computation() { return m_computation; }
    AppSettings& Settings() { return m_settings; }

private:
    bool IsPrintRequest() const;
    QString FileArgument() const;
    void LoadSettings();
    int DecideShowCommand() const;
    void WaitForSplash() const;
    bool EndClosedStartup();
    bool RestoreLostDocument();
    bool OpenStartupDocument(const QString& file);

    QStringList m_arguments;
    QtSettingsBackend m_backend;
    AppSettings m_settings;
    std::unique_ptr<ConversionPrompt> m_conversionPrompt;
    CCurvixDoc m_doc;
    GraphComputation m_computation;
    QPointer<CMainFrame> m_frame;
};

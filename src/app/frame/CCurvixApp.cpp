#include "app/frame/CCurvixApp.h"

#include "kit/AppMessageBox.h"
#include "model/AppStringFormat.h"
#include "gui/AppText.h"
#include "expr/CException.h"
#include "app/frame/CMainFrame.h"
#include "app/CSplashWindow.h"
#include "app/frame/DocumentRecovery.h"
#include "app/frame/FrameConversionPrompt.h"
#include "app/HelpWindow.h"
#include "expr/InitExpressionEngine.h"
#include "kit/MessageBoxStyle.h"
#include "app/frame/WindowPlacementQt.h"

#include <QApplication>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <clocale>

namespace {
constexpr int kSplashPasses = 10;
constexpr int kSplashPassMs = 100;

void ReportEngineError(const CException& error)
{
    AppMessageBox::ReportError(nullptr, error);
}

// Options start with a dash or, in the shell's style, a slash followed by a
// word ("/p"); a slash followed by a path is a file name.
bool IsFlag(const QString& argument)
{
    static const QRegularExpression slashOption(QStringLiteral("^/[A-Za-z]+$"));
    return argument.startsWith(QLatin1Char('-')) || slashOption.match(argument).hasMatch();
}

// The shell's print and print-to requests: /p, /pt (or with a dash).
bool IsPrintFlag(const QString& argument)
{
    const QString flag = argument.mid(1).toLower();
    return IsFlag(argument) && (flag == QStringLiteral("p") || flag == QStringLiteral("pt"));
}

}  // namespace

CCurvixApp::CCurvixApp(QStringList commandLine)
    : m_arguments(std::move(commandLine)), m_settings(m_backend),
      m_conversionPrompt(std::make_unique<FrameConversionPrompt>()), m_doc(m_settings),
      m_computation(m_settings.defaultCoordSystem)
{
    m_doc.SetConversionPrompt(m_conversionPrompt.get());
}

CCurvixApp::~CCurvixApp()
{
    delete m_frame.data();
}

bool CCurvixApp::IsPrintRequest() const
{
    return std::any_of(m_arguments.begin(), m_arguments.end(), IsPrintFlag);
}

QString CCurvixApp::FileArgument() const
{
    for (const QString& argument : m_arguments) {
        if (!IsFlag(argument))
            return argument;
    }
    return {};
}

bool CCurvixApp::InitInstance()
{
    if (IsPrintRequest()) {
        AppMessageBox::Show(nullptr, StringId::PrintRefused, StringId::ProgramName, MB_ICONEXCLAMATION);
        return false;
    }
    // Numbers are read and written in the C locale, whatever Qt set up.
    std::setlocale(LC_NUMERIC, "C");
    // The engine lives as long as the process, which may start more than
    // one application object (the tests do).
    static const bool engineReady = (InitExpressionEngine(ReportEngineError), true);
    (void)engineReady;
    HelpWindow::Install();
    LoadSettings();
    CSplashWindow::EnableSplash(m_settings.ShowSplash);
    const int showCmd = DecideShowCommand();

    m_frame = new CMainFrame(m_doc, m_computation, m_settings);
    // Recovered work comes before the file named on the command line.
    if (!RestoreLostDocument() && !OpenStartupDocument(FileArgument()))
        return false;

    if (m_settings.ShowSplash)
        WaitForSplash();
    // The window may have been asked to close while the splash showed (by
    // the window manager or a session ending).
    if (!m_frame || m_frame->IsClosed())
        return EndClosedStartup();
    ShowWindowAs(*m_frame, showCmd);
    return true;
}

bool CCurvixApp::OpenStartupDocument(const QString& file)
{
    return file.isEmpty() ? m_frame->Files().NewDocument() : m_frame->Files().OpenPath(file);
}

// A recovery copy left by a program that ended without saving is offered
// first: Yes restores it as an unsaved document, No discards it. Older
// copies stay for the next start.
bool CCurvixApp::RestoreLostDocument()
{
    const auto orphans = DocumentRecovery::FindOrphans(DocumentRecovery::DefaultFolder());
    if (orphans.empty())
        return false;
    const QString path = orphans.front().path;
    const std::string when = orphans.front().written.toLocalTime().toString(Qt::ISODate).toStdString();
    const QString question = QString::fromStdString(FormatAppString(StringId::RestoreQuestion, when));
    const bool restore = AppMessageBox::Show(nullptr, question, StringId::ProgramName, MB_YESNO | MB_ICONQUESTION) == IDYES;
    const bool restored = restore && m_frame->Files().RestoreCopy(path);
    DocumentRecovery::Remove(path);
    return restored;
}

// A window closed before it ever showed stores the settings as they were
// loaded (its own placement was never the user's) and lets the event loop
// end at once.
bool CCurvixApp::EndClosedStartup()
{
    if (!m_settings.SaveSettings(SettingAll))
        AppMessageBox::Show(nullptr, QString::fromStdString(m_settings.LastError()), StringId::ErrorCaption, MB_ICONEXCLAMATION);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return true;
}

// A store that cannot be read is reported; the defaults stand in for it.
void CCurvixApp::LoadSettings()
{
    if (m_settings.LoadSettings(SettingAll))
        return;
    AppMessageBox::Show(nullptr, QString::fromStdString(m_settings.LastError()), StringId::ErrorCaption, MB_ICONEXCLAMATION);
    m_settings.SetDefaultSettings(SettingAll);
}

// The saved placement's show command wins (the frame applies the rectangle
// itself without showing).
int CCurvixApp::DecideShowCommand() const
{
    return m_settings.windowPlacement.length != 0 ? m_settings.windowPlacement.showCmd : SW_SHOWNORMAL;
}

// Up to about a second for the splash; the user's key or click (which the
// splash takes) ends the wait at once.
void CCurvixApp::WaitForSplash() const
{
    for (int pass = 0; pass < kSplashPasses && CSplashWindow::IsShown(); ++pass) {
        QApplication::processEvents();
        if (!CSplashWindow::IsShown())
            break;
        QThread::msleep(kSplashPassMs);
    }
}

int CCurvixApp::DoMessageBox(const QString& text, unsigned style)
{
    const unsigned buttons = style & MB_TYPEMASK;
    const bool takesExclamation = buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL ||
                                  buttons == MB_YESNO;
    if ((style & MB_ICONMASK) == 0 && takesExclamation)
        style |= MB_ICONEXCLAMATION;
    return AppMessageBox::ShowRaw(QApplication::activeWindow(), text, AppText(StringId::ProgramName), style);
}

#pragma once

// Starts the program in the test's process with a fresh settings store and
// answers every message box from a script, recording what it was asked.

#include "kit/AppMessageBox.h"
#include "model/AppSettings.h"
#include "gui/AppText.h"
#include "model/Archive.h"
#include "app/frame/CCurvixApp.h"
#include "app/frame/CGraphDataForm.h"
#include "app/CGraphListBox.h"
#include "app/frame/FrameCommands.h"
#include "app/frame/FrameDocumentFiles.h"
#include "model/GraphItem.h"
#include "HelpContext.h"
#include "model/MemorySettingsBackend.h"
#include "kit/MessageBoxStyle.h"
#include "settings/QtSettingsBackend.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <fstream>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

// Commands show by number in the messages of failed checks.
inline std::ostream& operator<<(std::ostream& out, CommandId command)
{
    return out << NumberOf(command);
}

// The bytes of a document with the graphs y = x^2 and y = sin(x).
inline std::vector<std::uint8_t> TwoGraphDocument(bool autoRefresh = false)
{
    MemorySettingsBackend backend;
    AppSettings settings(backend);
    CCurvixDoc doc(settings);
    doc.autoRefresh = autoRefresh;
    for (const char* expression : {"x^2", "sin(x)"}) {
        GraphItem graph;
        graph.expression = expression;
        doc.AddGraph(graph);
    }
    Archive archive;
    doc.Serialize(archive);
    return archive.Bytes();
}

class FrameTest : public testing::Test {
protected:
    FrameTest()
    {
        QSettings(QStringLiteral("Veltra"), QStringLiteral("Curvix")).clear();
        EditStore([](AppSettings& stored) { stored.ShowSplash = false; });
        AppMessageBox::SetTestResponder([this](const AppMessageBox::Request& request) {
            m_asked.push_back(request);
            m_shownWhenAsked.push_back(m_app && m_app->MainFrame() && m_app->MainFrame()->isVisible());
            const int answer = m_answers.empty() ? IDOK : m_answers.front();
            if (!m_answers.empty())
                m_answers.pop_front();
            return answer;
        });
    }
    ~FrameTest() override
    {
        m_app.reset();
        AppMessageBox::SetTestResponder({});
        FrameDocumentFiles::SetTestFileChooser({});
    }

    // Loads the program's settings store, hands it to edit (which may also
    // just look) and writes it back.
    static void EditStore(const std::function<void(AppSettings&)>& edit)
    {
        QtSettingsBackend backend;
        AppSettings stored(backend);
        stored.LoadSettings(SettingAll);
        edit(stored);
        stored.SaveSettings(SettingAll);
    }

    bool Start(const QStringList& arguments = {})
    {
        m_app = std::make_unique<CCurvixApp>(arguments);
        return m_app->InitInstance();
    }
    CMainFrame& Frame() { return *m_app->MainFrame(); }
    CCurvixDoc& Doc() { return m_app->Document(); }
    GraphComputation& Computation() { return m_app->Computation(); }

    // Lets posted commands (Refresh) run and waits for the computation.
    void Settle()
    {
        QElapsedTimer timer;
        timer.start();
        do {
            QApplication::processEvents();
        } while ((Computation().IsComputing() || !Computation().IsComputed()) && timer.elapsed() < 10000);
        // The end report, and what it posts in turn (the commands' update).
        QApplication::processEvents(QEventLoop::AllEvents, 100);
    }

    void AddGraphs(int count, bool hidden = false)
    {
        for (int i = 0; i < count; ++i) {
            GraphItem graph;
            graph.expression = "x+" + std::to_string(Doc().GetGraphCount());
            graph.hidden = hidden;
            Doc().AddGraph(graph);
        }
        Doc().UpdateAllViews(nullptr, 0);
    }

    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    void WriteFile(const QString& path, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<QString> AskedTexts() const
    {
        std::vector<QString> texts;
        for (const AppMessageBox::Request& request : m_asked)
            texts.push_back(request.text);
        return texts;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CCurvixApp> m_app;
    std::deque<int> m_answers;
    std::vector<AppMessageBox::Request> m_asked;
    std::vector<bool> m_shownWhenAsked;
};

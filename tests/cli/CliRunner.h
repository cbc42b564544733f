#pragma once

// Runs the built curvix-cli as a user would in a scratch folder of its own,
// where documents are written with the program's own writer.

#include "model/AppSettings.h"
#include "model/Archive.h"
#include "model/CCurvixDoc.h"
#include "model/FileBytes.h"
#include "model/MemorySettingsBackend.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

struct CliResult { int status; std::string out, err; };

class CliRunner : public testing::Test {
protected:
    CliRunner()
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps two test runs at once (two build trees) apart.
        m_folder = std::filesystem::temp_directory_path()
                 / ("curvix-cli-" + std::to_string(getpid()) + "-" + test->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    ~CliRunner() override { std::filesystem::remove_all(m_folder); }

    std::string Path(const char* name) const { return (m_folder / name).string(); }

    static std::string Read(const std::string& path)
    {
        std::vector<std::uint8_t> bytes;
        FileBytes::Read(path, bytes);
        return {bytes.begin(), bytes.end()};
    }

    std::string Write(const char* name, const std::vector<std::uint8_t>& bytes) const
    {
        return FileBytes::WriteReplacing(Path(name), bytes), Path(name);
    }

    std::string Write(const char* name, CCurvixDoc& doc) const
    {
        Archive archive;
        return doc.Serialize(archive), Write(name, archive.Bytes());
    }

    // args go through the shell as they are: quote what needs quoting.
    // before is shell text put in front of the command (limits, a time-out).
    CliResult Run(const std::string& args, const std::string& before = "") const
    {
        const std::string command = before + CURVIX_CLI " " + args + " >" + Path("out") + " 2>" + Path("err");
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), Read(Path("out")), Read(Path("err"))};
    }

    MemorySettingsBackend m_backend;
    AppSettings m_settings{m_backend};
    std::filesystem::path m_folder;
};

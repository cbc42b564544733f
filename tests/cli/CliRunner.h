#pragma once

// Runs the built curvix-cli as a user would, in a scratch folder of its own,
// and collects its exit status and output.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

class CliRunner {
public:
    CliRunner()
    {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   (std::string("curvix-cli-") + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    ~CliRunner() { std::filesystem::remove_all(m_folder); }
    CliRunner(const CliRunner&) = delete;
    CliRunner& operator=(const CliRunner&) = delete;

    std::string Path(const char* name) const { return (m_folder / name).string(); }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // args go through the shell as they are: quote what needs quoting.
    CliResult Run(const std::string& args) const
    {
        const std::string command = std::string(CURVIX_CLI) + " " + args + " >" + Path("out") + " 2>" + Path("err");
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), Read(Path("out")), Read(Path("err"))};
    }

private:
    std::filesystem::path m_folder;
};

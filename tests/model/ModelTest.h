#pragma once
// A document on default settings, a recording conversion prompt, a fresh folder.

#include "model/AppSettings.h"
#include "model/Archive.h"
#include "model/CCurvixDoc.h"
#include "model/DocFileException.h"
#include "model/ConversionPrompt.h"
#include "model/FileBytes.h"
#include "model/MemorySettingsBackend.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using Cause = DocFileException::Cause;

inline GraphItem MakeGraph(GraphKind kind, const char* expression, const char* expression2 = "")
{
    GraphItem item;
    item.kind = kind, item.expression = expression, item.expression2 = expression2;
    return item;
}

// -40..40 both ways at 200, parametric 0..20, polar 0..4 pi.
inline CoordSystem AppDefault()
{
    CoordSystem cs;
    cs.left = cs.bottom = -40, cs.top = cs.right = 40, cs.precision = 200;
    cs.paramRange = {0, 20, 200}, cs.polarTimesPi = true, cs.polarRange = {0, 4, 200};
    return cs;
}

inline Bytes Written(CCurvixDoc& doc)
{
    Archive archive;
    return doc.Serialize(archive), archive.Bytes();
}

class DocumentFixture : public testing::Test {
protected:
    struct Prompt : ConversionPrompt {
        bool AskToConvert() override { return ++asked, answer; }
        bool answer = true;
        int asked = 0;
    };

    DocumentFixture()
    {
        std::filesystem::remove_all(m_folder), std::filesystem::create_directories(m_folder);
        m_doc.SetConversionPrompt(&m_prompt);
    }
    ~DocumentFixture() override { std::filesystem::remove_all(m_folder); }

    std::string File(const char* name) const { return (m_folder / name).string(); }

    // Opens the file, or bytes as doc.cvx, and returns the error, if any.
    std::optional<DocFileException> Open(const std::string& path)
    {
        try {
            return m_doc.OnOpenDocument(path), std::nullopt;
        } catch (const DocFileException& error) {
            return error;
        }
    }
    std::optional<DocFileException> OpenBytes(const Bytes& bytes)
    {
        EXPECT_EQ(FileBytes::WriteReplacing(File("doc.cvx"), bytes), "");
        return Open(File("doc.cvx"));
    }

    MemorySettingsBackend m_backend;
    AppSettings m_settings{m_backend};
    CCurvixDoc m_doc{m_settings};
    Prompt m_prompt;
    const std::filesystem::path m_folder = std::filesystem::temp_directory_path()
        / (std::string("curvix-") + testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-"
           + testing::UnitTest::GetInstance()->current_test_info()->name());
};

#pragma once

#include "AppSettings.h"
#include "CCurvixDoc.h"
#include "ConversionPrompt.h"
#include "MemorySettingsBackend.h"

#include <gtest/gtest.h>

#include <filesystem>

// A document on default settings, a conversion prompt that records its
// questions, and a fresh folder for files.
class DocumentFixture : public testing::Test {
protected:
    struct Prompt : ConversionPrompt {
        bool AskToConvert() override
        {
            ++asked;
            return answer;
        }
        bool answer = true;
        int asked = 0;
    };

    DocumentFixture();
    ~DocumentFixture() override;

    std::filesystem::path File(const char* name) const { return folder / name; }

    MemorySettingsBackend backend;
    AppSettings settings{backend};
    CCurvixDoc doc{settings};
    Prompt prompt;
    std::filesystem::path folder;
};

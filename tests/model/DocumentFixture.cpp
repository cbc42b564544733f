#include "DocumentFixture.h"

DocumentFixture::DocumentFixture()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path()
        / (std::string("curvix-") + test->test_suite_name() + "-" + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    doc.SetConversionPrompt(&prompt);
}

DocumentFixture::~DocumentFixture()
{
    std::filesystem::remove_all(folder);
}

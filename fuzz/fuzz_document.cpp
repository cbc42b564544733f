// Feeds arbitrary bytes to the document reader. Every input must either be
// refused with a DocFileException or read into a document that writes back
// to a file that reads as the same document.

#include "model/AppSettings.h"
#include "model/Archive.h"
#include "model/CCurvixDoc.h"
#include "model/DocFileException.h"
#include "model/ConversionPrompt.h"
#include "model/MemorySettingsBackend.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

struct AlwaysConvert : ConversionPrompt {
    bool AskToConvert() override { return true; }
};

std::vector<std::uint8_t> Written(CCurvixDoc& doc)
{
    Archive archive;
    doc.Serialize(archive);
    return archive.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    static MemorySettingsBackend backend;
    static AppSettings settings(backend);
    AlwaysConvert prompt;
    CCurvixDoc doc(settings);
    doc.SetConversionPrompt(&prompt);
    Archive input(std::vector<std::uint8_t>(data, data + size), "input.cvx");
    try {
        doc.Serialize(input);
    } catch (const DocFileException&) {
        return 0;
    }
    const std::vector<std::uint8_t> written = Written(doc);
    CCurvixDoc again(settings);
    Archive reread(written, "written.cvx");
    again.Serialize(reread);
    if (Written(again) != written)
        std::abort();
    return 0;
}

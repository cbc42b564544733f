#include "FrameConversionPrompt.h"

#include "AppMessageBox.h"
#include "MessageBoxStyle.h"

namespace {

constexpr unsigned kConvertQuestion = 3140;
constexpr unsigned kWarningCaption = 104;

}  // namespace

bool FrameConversionPrompt::AskToConvert()
{
    return AppMessageBox::Show(nullptr, kConvertQuestion, kWarningCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

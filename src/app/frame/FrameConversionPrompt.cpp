#include "FrameConversionPrompt.h"

#include "AppMessageBox.h"
#include "MessageBoxStyle.h"

bool FrameConversionPrompt::AskToConvert()
{
    return AppMessageBox::Show(nullptr, StringId::ConvertQuestion, StringId::WarningCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

#include "app/frame/FrameConversionPrompt.h"

#include "kit/AppMessageBox.h"
#include "kit/MessageBoxStyle.h"

bool FrameConversionPrompt::AskToConvert()
{
    return AppMessageBox::Show(nullptr, StringId::ConvertQuestion, StringId::WarningCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

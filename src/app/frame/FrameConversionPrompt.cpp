#include "app/frame/FrameConversionPrompt.h"

#include "app/AppMessageBox.h"
#include "app/MessageBoxStyle.h"

bool FrameConversionPrompt::AskToConvert()
{
    return AppMessageBox::Show(nullptr, StringId::ConvertQuestion, StringId::WarningCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

#include "ToolCommands.h"

void OpenIntegralTool(CCurvixDoc&, AppSettings&, QWidget*)
{
}

bool OpenTangentTool(CCurvixDoc&, AppSettings&, QWidget*)
{
    return false;
}

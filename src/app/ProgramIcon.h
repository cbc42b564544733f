#pragma once

#include <QIcon>

// The program's icon in every size drawn for it (16 to 256 pixels).
QIcon ProgramIcon();

#pragma once

#include <cstdint>

class QWidget;

// F1 anywhere in a window asks for its help topic: a dialog without a Help
// button of its own still answers the key that every dialog answers.
void InstallHelpKey(QWidget& window, std::uint32_t contextId);

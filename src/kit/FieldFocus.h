#pragma once

class QWidget;

// Puts the caret in a field, with its text selected so that typing
// replaces it: used when a dialog opens and after a page refuses a value.
void FocusField(QWidget* field);

// The first control of a page or dialog that takes typing: its first text
// field in tab order, else its first control that takes the focus by Tab.
// Push buttons do not count. Null when there is none.
QWidget* FirstInputField(QWidget* container);

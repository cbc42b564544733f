#pragma once

// Style bits and results of the program's message box. The values are the
// ones the rest of the program and its documents' callers were written
// against, so they match the classic message-box numbering.

// Button sets: style & 15.
inline constexpr unsigned MB_OK = 0x0000;
inline constexpr unsigned MB_OKCANCEL = 0x0001;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x0002;
inline constexpr unsigned MB_YESNOCANCEL = 0x0003;
inline constexpr unsigned MB_YESNO = 0x0004;
inline constexpr unsigned MB_RETRYCANCEL = 0x0005;
inline constexpr unsigned MB_TYPEMASK = 0x000F;

// Icons: style bits 4-7.
inline constexpr unsigned MB_ICONHAND = 0x0010;
inline constexpr unsigned MB_ICONQUESTION = 0x0020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
inline constexpr unsigned MB_ICONASTERISK = 0x0040;
inline constexpr unsigned MB_ICONMASK = 0x00F0;

// Default button: style bits 8-11 hold its zero-based position in the row.
inline constexpr unsigned MB_DEFBUTTON1 = 0x0000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x0100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x0200;
inline constexpr unsigned MB_DEFBUTTON4 = 0x0300;
inline constexpr unsigned MB_DEFMASK = 0x0F00;

// Appends a Help button that asks the owner for help.
inline constexpr unsigned MB_HELP = 0x4000;

// Results: the identifier of the pressed button.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDCLOSE = 8;
inline constexpr int IDHELP = 9;

// SPDX-License-Identifier: GPL-3.0-or-later
// Asks the window of the title for its UI Automation providers, as a screen reader does when
// it meets a window, so that the stand-in UI Automation core in the program writes what it is
// told of the window.
//   AskUia.exe TITLE

#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2)
        return 2;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (window == nullptr)
        return 1;
    DWORD_PTR result = 0;
    constexpr LPARAM RootObjectId = -25;
    return SendMessageTimeoutW(window, WM_GETOBJECT, 0, RootObjectId, SMTO_NORMAL, 10000,
                               &result) != 0
               ? 0
               : 3;
}

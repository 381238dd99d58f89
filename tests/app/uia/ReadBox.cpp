// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the message box of the title as the user sees it, once it stands: prints each text in
// it in UTF-8, one per line, and then answers it with OK.
//   ReadBox.exe TITLE
// Exits with 1 when no box of that title stood within 60 s.

#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    bytes.pop_back();
    return bytes;
}

BOOL CALLBACK PrintText(HWND child, LPARAM) {
    wchar_t kind[16] = {};
    wchar_t text[1024] = {};
    GetClassNameW(child, kind, 16);
    if (lstrcmpiW(kind, L"Static") == 0 && GetWindowTextW(child, text, 1024) > 0) {
        const std::string line = Utf8(text) + "\n";
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()),
                  &written, nullptr);
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2)
        return 2;
    HWND box = nullptr;
    for (int tries = 0; box == nullptr && tries < 600; ++tries) {
        box = FindWindowW(L"#32770", argv[1]);
        if (box == nullptr)
            Sleep(100);
    }
    if (box == nullptr)
        return 1;
    EnumChildWindows(box, PrintText, 0);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}

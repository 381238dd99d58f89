// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for Windows' UI Automation core, put in a Wine prefix's system folder, where Qt
// loads it by its full path. Qt hands it its own providers of a window when the window is asked
// for them (AskUia.exe asks), and it writes what a screen reader would be told of every element
// of that window to the file that TERRAVIA_UIA_HEARD names, one line an element:
//   depth, automation id, control type, name, full description, help text, focused, value
// separated by tabs. Written whole and then renamed, so that a reader never sees half of it.

#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

#include <string>

// The Value pattern's interface, which the cross-compiler's header lacks, slot for slot. Not in
// the unnamed namespace: there the compiler would know that nothing implements it, and call its
// pure slots straight into the runtime's abort instead of through Qt's table.
struct ValueProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* readOnly) = 0;
};

namespace {

// UI Automation's own numbers, as its client header gives them.
constexpr PROPERTYID AutomationId = 30011;
constexpr PROPERTYID ControlType = 30003;
constexpr PROPERTYID Name = 30005;
constexpr PROPERTYID FullDescription = 30159;
constexpr PROPERTYID HelpText = 30013;
constexpr PROPERTYID HasKeyboardFocus = 30008;
constexpr PATTERNID ValuePattern = 10002;
constexpr IID ValueProviderId = {
    0xc7935180, 0x6fb3, 0x4201, {0xb1, 0x74, 0x7d, 0xf7, 0x3a, 0xdb, 0xf6, 0x4a}};
constexpr LONG RootObjectId = -25;
// Enough for every control and the entries of the longest list, open.
constexpr int MostElements = 4000;

std::wstring Clean(std::wstring text) {
    for (wchar_t& c : text)
        if (c == L'\t' || c == L'\n' || c == L'\r')
            c = L' ';
    return text;
}

std::wstring Property(IRawElementProviderSimple* element, PROPERTYID id) {
    VARIANT value;
    VariantInit(&value);
    std::wstring text;
    if (SUCCEEDED(element->GetPropertyValue(id, &value))) {
        if (value.vt == VT_BSTR && value.bstrVal != nullptr)
            text = value.bstrVal;
        else if (value.vt == VT_I4)
            text = std::to_wstring(value.lVal);
        else if (value.vt == VT_BOOL)
            text = value.boolVal != VARIANT_FALSE ? L"focused" : L"";
    }
    VariantClear(&value);
    return Clean(text);
}

// What the element's Value pattern gives, where it has one.
std::wstring Value(IRawElementProviderSimple* element) {
    IUnknown* pattern = nullptr;
    if (FAILED(element->GetPatternProvider(ValuePattern, &pattern)) || pattern == nullptr)
        return {};
    std::wstring text;
    ValueProvider* provider = nullptr;
    if (SUCCEEDED(pattern->QueryInterface(ValueProviderId, reinterpret_cast<void**>(&provider))) &&
        provider != nullptr) {
        BSTR value = nullptr;
        if (SUCCEEDED(provider->get_Value(&value)) && value != nullptr)
            text = value;
        SysFreeString(value);
        provider->Release();
    }
    pattern->Release();
    return Clean(text);
}

void Write(IRawElementProviderSimple* element, int depth, std::wstring& out, int& count) {
    if (++count > MostElements)
        return;
    out += std::to_wstring(depth) + L'\t' + Property(element, AutomationId) + L'\t' +
           Property(element, ControlType) + L'\t' + Property(element, Name) + L'\t' +
           Property(element, FullDescription) + L'\t' + Property(element, HelpText) + L'\t' +
           Property(element, HasKeyboardFocus) + L'\t' + Value(element) + L'\n';
    IRawElementProviderFragment* fragment = nullptr;
    if (FAILED(element->QueryInterface(__uuidof(IRawElementProviderFragment),
                                       reinterpret_cast<void**>(&fragment))) ||
        fragment == nullptr)
        return;
    IRawElementProviderFragment* child = nullptr;
    fragment->Navigate(NavigateDirection_FirstChild, &child);
    fragment->Release();
    while (child != nullptr) {
        IRawElementProviderSimple* simple = nullptr;
        child->QueryInterface(__uuidof(IRawElementProviderSimple),
                              reinterpret_cast<void**>(&simple));
        if (simple != nullptr) {
            Write(simple, depth + 1, out, count);
            simple->Release();
        }
        IRawElementProviderFragment* next = nullptr;
        child->Navigate(NavigateDirection_NextSibling, &next);
        child->Release();
        child = next;
    }
}

void WriteHeard(IRawElementProviderSimple* root) {
    wchar_t path[MAX_PATH];
    if (GetEnvironmentVariableW(L"TERRAVIA_UIA_HEARD", path, MAX_PATH) == 0)
        return;
    std::wstring out;
    int count = 0;
    Write(root, 0, out, count);
    const std::wstring whole(path);
    const std::wstring partial = whole + L".part";
    const int size = WideCharToMultiByte(CP_UTF8, 0, out.c_str(), static_cast<int>(out.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, out.c_str(), static_cast<int>(out.size()), bytes.data(), size,
                        nullptr, nullptr);
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileExW(partial.c_str(), whole.c_str(), MOVEFILE_REPLACE_EXISTING);
}

} // namespace

extern "C" {

__declspec(dllexport) LRESULT WINAPI
    UiaReturnRawElementProvider(HWND, WPARAM, LPARAM lParam, IRawElementProviderSimple* root) {
    // The object id is a 32-bit number, which a message between processes may not extend.
    if (static_cast<LONG>(lParam) == RootObjectId && root != nullptr)
        WriteHeard(root);
    return 0;
}

__declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple** host) {
    *host = nullptr;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple*, PROPERTYID, VARIANT,
                                           VARIANT) {
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple*, EVENTID) {
    return S_OK;
}

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening() {
    return TRUE;
}

} // extern "C"

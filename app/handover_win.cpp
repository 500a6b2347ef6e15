#include "app/handover_win.h"

#include <windows.h>

#include "app/file1_win.h"
#include "fileops/drop_block.h"
#include "navigation/path_text.h"
#include "platform/text_win.h"

namespace {
// The running window may have another current folder: relative arguments are made full here.
std::string FullPath(const std::string& arg) {
    if (IsAbsolutePath(arg)) return arg;
    const std::wstring relative = WideText(arg);
    DWORD n = ::GetFullPathNameW(relative.c_str(), 0, nullptr, nullptr);
    if (n == 0) return arg;
    std::wstring full(n, L'\0');
    n = ::GetFullPathNameW(relative.c_str(), n, full.data(), nullptr);
    return NarrowText(full.c_str(), n);
}
}  // namespace

bool PassToRunningInstance(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "-n") return false;
    HWND running = ::FindWindowA(kMainWindowClass, kMainWindowCaption);
    if (!running) return false;
    if (::IsIconic(running)) ::ShowWindow(running, SW_RESTORE);
    ::SetForegroundWindow(running);
    if (args.empty()) return true;
    std::string block = NewDropBlock();
    for (const std::string& arg : args)
        if (!AddDropFile(block, FullPath(arg))) return true;  // too long: the arguments are lost
    COPYDATASTRUCT data{};
    data.dwData = kHandOverCopyData;
    data.cbData = static_cast<DWORD>(block.size());
    data.lpData = block.data();
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                          SMTO_ABORTIFHUNG, 10000, &result);
    return true;
}

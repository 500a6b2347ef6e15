#include "tests/e2e/remote_app_win.h"

// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstdio>
#include <stdexcept>

namespace e2e {

namespace {

constexpr UINT kSendTimeoutMs = 5000;
constexpr std::size_t kRemoteTextMax = 1024;

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               &result))
        throw std::runtime_error("window " + std::to_string(reinterpret_cast<UINT_PTR>(hwnd)) +
                                 " did not answer message " + std::to_string(msg) + " (error " +
                                 std::to_string(::GetLastError()) + ")");
    return static_cast<LRESULT>(result);
}

bool SameClass(HWND hwnd, const std::string& cls) {
    return ::lstrcmpiA(ClassNameOf(hwnd).c_str(), cls.c_str()) == 0;
}

// A block of memory inside the process that owns a window, for the control messages whose
// parameters are pointers: the control writes into its own address space.
class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, std::size_t size) : size_(size) {
        process_ = ::OpenProcess(
            PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
            FALSE, ProcessIdOf(owner));
        if (!process_) throw std::runtime_error("cannot open the process of the control");
        address_ = static_cast<char*>(
            ::VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (!address_) {
            ::CloseHandle(process_);
            throw std::runtime_error("cannot allocate memory in the process of the control");
        }
    }
    ~RemoteBuffer() {
        ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        ::CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* At(std::size_t offset) const { return address_ + offset; }
    LPARAM Param(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }

    void Write(std::size_t offset, const void* data, std::size_t n) const {
        SIZE_T done = 0;
        if (offset + n > size_ || !::WriteProcessMemory(process_, At(offset), data, n, &done) ||
            done != n)
            throw std::runtime_error("cannot write into the process of the control");
    }
    void Read(std::size_t offset, void* data, std::size_t n) const {
        SIZE_T done = 0;
        if (offset + n > size_ || !::ReadProcessMemory(process_, At(offset), data, n, &done) ||
            done != n)
            throw std::runtime_error("cannot read from the process of the control");
    }
    // A NUL-terminated text of at most `max` bytes at `offset`.
    std::string ReadText(std::size_t offset, std::size_t max) const {
        std::string text(max, '\0');
        Read(offset, text.data(), max);
        text.resize(text.find('\0') == std::string::npos ? max : text.find('\0'));
        return text;
    }

private:
    HANDLE process_ = nullptr;
    char* address_ = nullptr;
    std::size_t size_;
};

bool IsExtendedKey(WORD key) {
    switch (key) {
        case VK_INSERT:
        case VK_DELETE:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: return true;
        default: return false;
    }
}

INPUT KeyInput(WORD key, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

INPUT MouseInput(POINT screen, DWORD flags) {
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = ::MulDiv(screen.x, 65535, width > 1 ? width - 1 : 1);
    in.mi.dy = ::MulDiv(screen.y, 65535, height > 1 ? height - 1 : 1);
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return in;
}

void SendMouse(POINT screen, DWORD flags) {
    INPUT in = MouseInput(screen, flags);
    ::SendInput(1, &in, sizeof in);
}

RECT ToScreen(HWND control, RECT rect) {
    ::MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (::GetTickCount64() >= end) return false;
        ::Sleep(20);
    }
}

std::string ClassNameOf(HWND hwnd) {
    char name[256] = {};
    int n = ::GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string TextOf(HWND hwnd) {
    const auto length = static_cast<std::size_t>(Send(hwnd, WM_GETTEXTLENGTH));
    std::string text(length + 1, '\0');
    const auto n = static_cast<std::size_t>(
        Send(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(n < length ? n : length);
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return text;
}

DWORD ProcessIdOf(HWND hwnd) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

std::vector<HWND> VisibleTopLevelWindows(const std::string& cls, DWORD pid) {
    struct Search {
        const std::string& Cls;
        DWORD Pid;
        std::vector<HWND> Found;
    } search{cls, pid, {}};
    ::EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (::IsWindowVisible(hwnd) && SameClass(hwnd, s.Cls) &&
                (s.Pid == 0 || ProcessIdOf(hwnd) == s.Pid))
                s.Found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

std::vector<HWND> FindControls(HWND parent, const std::string& cls) {
    struct Search {
        const std::string& Cls;
        std::vector<HWND> Found;
    } search{cls, {}};
    ::EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (SameClass(hwnd, s.Cls) && !SameClass(::GetParent(hwnd), "ComboBox"))
                s.Found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND FindControl(HWND parent, const std::string& cls) {
    std::vector<HWND> found = FindControls(parent, cls);
    return found.empty() ? nullptr : found.front();
}

MessageBoxContent ReadMessageBox(HWND box) {
    MessageBoxContent content;
    content.Caption = TextOf(box);
    if (HWND text = ::GetDlgItem(box, 0xFFFF)) content.Text = TextOf(text);
    return content;
}

bool PressButton(HWND box, int id) {
    HWND button = ::GetDlgItem(box, id);
    if (!button) return false;
    // Posted: the box's owner may run its own modal loop that returns only after the click.
    return ::PostMessageA(button, BM_CLICK, 0, 0) != 0;
}

std::vector<std::string> TabTexts(HWND tab) {
    const auto count = static_cast<int>(Send(tab, TCM_GETITEMCOUNT));
    std::vector<std::string> texts;
    RemoteBuffer buffer(tab, sizeof(TCITEMA) + kRemoteTextMax);
    const std::size_t textAt = sizeof(TCITEMA);
    const char nul = '\0';
    for (int i = 0; i < count; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = buffer.At(textAt);
        item.cchTextMax = static_cast<int>(kRemoteTextMax);
        buffer.Write(0, &item, sizeof item);
        buffer.Write(textAt, &nul, 1);
        if (!Send(tab, TCM_GETITEMA, static_cast<WPARAM>(i), buffer.Param()))
            throw std::runtime_error("TCM_GETITEMA failed for tab " + std::to_string(i));
        texts.push_back(buffer.ReadText(textAt, kRemoteTextMax));
    }
    return texts;
}

int CurrentTabIndex(HWND tab) { return static_cast<int>(Send(tab, TCM_GETCURSEL)); }

std::vector<std::string> ListViewTexts(HWND listView, int subItem) {
    const auto count = static_cast<int>(Send(listView, LVM_GETITEMCOUNT));
    std::vector<std::string> texts;
    RemoteBuffer buffer(listView, sizeof(LVITEMA) + kRemoteTextMax);
    const std::size_t textAt = sizeof(LVITEMA);
    const char nul = '\0';
    for (int i = 0; i < count; ++i) {
        LVITEMA item{};
        item.iSubItem = subItem;
        item.pszText = buffer.At(textAt);
        item.cchTextMax = static_cast<int>(kRemoteTextMax);
        buffer.Write(0, &item, sizeof item);
        buffer.Write(textAt, &nul, 1);
        Send(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), buffer.Param());
        texts.push_back(buffer.ReadText(textAt, kRemoteTextMax));
    }
    return texts;
}

std::string StatusBarText(HWND statusBar) {
    // In simple mode Windows keeps the text under SB_SIMPLEID, Wine under index 0.
    std::vector<WPARAM> parts = {0};
    if (Send(statusBar, SB_ISSIMPLE)) parts.insert(parts.begin(), SB_SIMPLEID);
    for (WPARAM part : parts) {
        // The length may count characters, not bytes: leave room for two bytes each.
        const auto length =
            static_cast<std::size_t>(LOWORD(Send(statusBar, SB_GETTEXTLENGTHA, part)));
        if (length == 0) continue;
        const std::size_t size = 2 * length + 1;
        RemoteBuffer buffer(statusBar, size);
        const std::string zeros(size, '\0');
        buffer.Write(0, zeros.data(), size);
        Send(statusBar, SB_GETTEXTA, part, buffer.Param());
        return buffer.ReadText(0, size);
    }
    return "";
}

std::vector<std::string> ComboBoxItems(HWND comboBox) {
    // The system carries these texts across the process boundary itself, as it does
    // WM_GETTEXT: the buffer is ours. Asked in ANSI, Wine hands back UTF-16 all the same, so
    // ask in UTF-16 and convert.
    const auto count = static_cast<int>(Send(comboBox, CB_GETCOUNT));
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        if (!::SendMessageTimeoutW(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0,
                                   SMTO_ABORTIFHUNG, kSendTimeoutMs, &length) ||
            static_cast<LRESULT>(length) < 0)
            throw std::runtime_error("no text for combo item " + std::to_string(i));
        std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!::SendMessageTimeoutW(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                   reinterpret_cast<LPARAM>(wide.data()), SMTO_ABORTIFHUNG,
                                   kSendTimeoutMs, &copied))
            throw std::runtime_error("no text for combo item " + std::to_string(i));
        wide.resize(wide.find(L'\0'));
        std::string text(wide.size() * 2, '\0');
        const int n =
            ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                  text.data(), static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(static_cast<std::size_t>(n > 0 ? n : 0));
        items.push_back(text);
    }
    return items;
}

std::vector<int> ListViewImages(HWND listView) {
    const auto count = static_cast<int>(Send(listView, LVM_GETITEMCOUNT));
    std::vector<int> images;
    RemoteBuffer buffer(listView, sizeof(LVITEMA));
    for (int i = 0; i < count; ++i) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        item.iImage = -100;  // a value no item has, so an unanswered request shows
        buffer.Write(0, &item, sizeof item);
        if (!Send(listView, LVM_GETITEMA, 0, buffer.Param()))
            throw std::runtime_error("LVM_GETITEMA failed for item " + std::to_string(i));
        buffer.Read(0, &item, sizeof item);
        images.push_back(item.iImage);
    }
    return images;
}

std::vector<std::string> ListViewColumns(HWND listView) {
    std::vector<std::string> captions;
    RemoteBuffer buffer(listView, sizeof(LVCOLUMNA) + kRemoteTextMax);
    const std::size_t textAt = sizeof(LVCOLUMNA);
    const char nul = '\0';
    for (int i = 0;; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = buffer.At(textAt);
        column.cchTextMax = static_cast<int>(kRemoteTextMax);
        buffer.Write(0, &column, sizeof column);
        buffer.Write(textAt, &nul, 1);
        if (!Send(listView, LVM_GETCOLUMNA, static_cast<WPARAM>(i), buffer.Param())) break;
        captions.push_back(buffer.ReadText(textAt, kRemoteTextMax));
    }
    return captions;
}

void SelectListItem(HWND listView, int index) {
    RemoteBuffer buffer(listView, sizeof(LVITEMA));
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    buffer.Write(0, &item, sizeof item);
    Send(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), buffer.Param());
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    buffer.Write(0, &item, sizeof item);
    if (!Send(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(index), buffer.Param()))
        throw std::runtime_error("cannot select list item " + std::to_string(index));
}

RECT TabItemScreenRect(HWND tab, int index) {
    RemoteBuffer buffer(tab, sizeof(RECT));
    RECT rect{};
    buffer.Write(0, &rect, sizeof rect);
    if (!Send(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), buffer.Param()))
        throw std::runtime_error("no rectangle for tab " + std::to_string(index));
    buffer.Read(0, &rect, sizeof rect);
    return ToScreen(tab, rect);
}

RECT ListItemScreenRect(HWND listView, int index, int part) {
    RemoteBuffer buffer(listView, sizeof(RECT));
    RECT rect{};
    rect.left = part;
    buffer.Write(0, &rect, sizeof rect);
    if (!Send(listView, LVM_GETITEMRECT, static_cast<WPARAM>(index), buffer.Param()))
        throw std::runtime_error("no rectangle for list item " + std::to_string(index));
    buffer.Read(0, &rect, sizeof rect);
    return ToScreen(listView, rect);
}

HWND FocusedWindowOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

bool InMenuMode(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return false;
    return (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

bool BringToFront(HWND hwnd) {
    return WaitUntil(
        [hwnd] {
            if (::GetForegroundWindow() == hwnd) return true;
            ::SetForegroundWindow(hwnd);
            return false;
        },
        3000);
}

void TypeKey(WORD key, const std::vector<WORD>& modifiers) {
    std::vector<INPUT> inputs;
    for (WORD m : modifiers) inputs.push_back(KeyInput(m, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m)
        inputs.push_back(KeyInput(*m, true));
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // Give the target's input queue time to take the keys before anything else happens.
    ::Sleep(100);
}

void TypeText(const std::string& text) {
    const int n =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    std::vector<INPUT> inputs;
    for (wchar_t c : wide) {
        for (bool up : {false, true}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = static_cast<WORD>(c);
            in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(in);
        }
    }
    if (!inputs.empty())
        ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    ::Sleep(100);
}

void HoldKey(WORD key, bool down) {
    INPUT in = KeyInput(key, !down);
    ::SendInput(1, &in, sizeof in);
    ::Sleep(50);
}

POINT CenterOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickAt(POINT screen) {
    SendMouse(screen, 0);
    ::Sleep(50);
    SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
    ::Sleep(50);
    SendMouse(screen, MOUSEEVENTF_LEFTUP);
    ::Sleep(150);
}

void RightClickAt(POINT screen) {
    SendMouse(screen, 0);
    ::Sleep(50);
    SendMouse(screen, MOUSEEVENTF_RIGHTDOWN);
    ::Sleep(50);
    SendMouse(screen, MOUSEEVENTF_RIGHTUP);
    ::Sleep(150);
}

void DragMouse(POINT from, POINT to, bool release) {
    constexpr int kSteps = 8;
    SendMouse(from, 0);
    ::Sleep(50);
    SendMouse(from, MOUSEEVENTF_LEFTDOWN);
    ::Sleep(100);
    for (int step = 1; step <= kSteps; ++step) {
        POINT at{from.x + (to.x - from.x) * step / kSteps,
                 from.y + (to.y - from.y) * step / kSteps};
        SendMouse(at, 0);
        ::Sleep(40);
    }
    if (release) ReleaseMouse(to);
}

void ReleaseMouse(POINT at) {
    SendMouse(at, MOUSEEVENTF_LEFTUP);
    ::Sleep(200);
}

COLORREF ScreenPixel(POINT screen) {
    HDC dc = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(dc, screen.x, screen.y);
    ::ReleaseDC(nullptr, dc);
    return colour;
}

bool SaveScreenshot(const std::string& path) {
    const int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (width <= 0 || height <= 0) return false;

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up rows, as a BMP file stores them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);

    HDC screen = ::GetDC(nullptr);
    if (!screen) return false;
    HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                     &bits, nullptr, 0);
    bool ok = memory && dib && bits;
    if (ok) {
        HGDIOBJ old = ::SelectObject(memory, dib);
        ok = ::BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY | CAPTUREBLT) != 0;
        ::GdiFlush();
        ::SelectObject(memory, old);
    }
    if (ok) {
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;  // "BM"
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = file.bfOffBits + imageSize;
        header.biSizeImage = imageSize;
        FILE* out = std::fopen(path.c_str(), "wb");
        ok = out && std::fwrite(&file, sizeof file, 1, out) == 1 &&
             std::fwrite(&header, sizeof header, 1, out) == 1 &&
             std::fwrite(bits, imageSize, 1, out) == 1;
        if (out && std::fclose(out) != 0) ok = false;
    }
    if (dib) ::DeleteObject(dib);
    if (memory) ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return ok;
}

RemoteApp::RemoteApp(const std::string& exe, const std::string& arguments,
                     const std::string& workingFolder) {
    std::string commandLine = QuoteArgument(exe);
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.empty() ? nullptr : workingFolder.c_str(), &si, &pi))
        throw std::runtime_error("cannot start " + commandLine + " (error " +
                                 std::to_string(::GetLastError()) + ")");
    ::CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
}

RemoteApp::~RemoteApp() {
    Kill();
    ::CloseHandle(process_);
}

bool RemoteApp::IsRunning() const { return ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool RemoteApp::WaitForExit(DWORD timeoutMs) {
    if (::WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    ::GetExitCodeProcess(process_, &exitCode_);
    return true;
}

std::vector<HWND> RemoteApp::MainWindows() const {
    return VisibleTopLevelWindows("TFrmFile", pid_);
}

std::vector<HWND> RemoteApp::MessageBoxes() const { return VisibleTopLevelWindows("#32770", pid_); }

HWND RemoteApp::WaitForMainWindow(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            std::vector<HWND> windows = MainWindows();
            if (!windows.empty()) found = windows.front();
            return found != nullptr || !IsRunning();
        },
        timeoutMs);
    return found;
}

HWND RemoteApp::WaitForMessageBox(DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            std::vector<HWND> boxes = MessageBoxes();
            if (!boxes.empty()) found = boxes.front();
            return found != nullptr || !IsRunning();
        },
        timeoutMs);
    return found;
}

void RemoteApp::Kill() {
    if (!IsRunning()) return;
    ::TerminateProcess(process_, 99);
    ::WaitForSingleObject(process_, 5000);
}

std::string QuoteArgument(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t") == std::string::npos) return arg;
    // A backslash before the closing quote would escape it: double a trailing one.
    const bool trailingBackslash = !arg.empty() && arg.back() == '\\';
    return "\"" + arg + (trailingBackslash ? "\\" : "") + "\"";
}

}  // namespace e2e

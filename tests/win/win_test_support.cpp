#include "win_test_support.h"

#include <commctrl.h>
#include <shellapi.h>

#include <atomic>

#include "tests/common/settings_lines.h"

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    // A new folder every time: Wine gives a later run the same process id, and a run that
    // was cut short leaves its folders behind.
    do {
        path_ = std::string(temp) + "tabora_win_" + std::to_string(::GetCurrentProcessId()) + "_" +
                std::to_string(counter++) + "\\";
    } while (!::CreateDirectoryA(path_.c_str(), nullptr) &&
             ::GetLastError() == ERROR_ALREADY_EXISTS);
}

ScratchFolder::~ScratchFolder() {
    // Leave the folder first: a process cannot remove its own current directory.
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    ::SetCurrentDirectoryA(temp);
    // In UTF-16: the ANSI call cannot name a file the code page cannot hold, and would leave
    // such a file and its folder behind.
    std::wstring from = WideText(path_.substr(0, path_.size() - 1));
    from.push_back(L'\0');
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ::SHFileOperationW(&op);
}

std::string ScratchFolder::Make(const std::string& name) {
    std::string full = path_ + name;
    ::CreateDirectoryA(full.c_str(), nullptr);
    return full;
}

void ScratchFolder::Write(const std::string& name, const std::string& bytes) {
    std::string full = path_ + name;
    ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = ::CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD put = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    ::CloseHandle(file);
}

std::string ScratchFolder::Read(const std::string& name) const {
    std::string full = path_ + name;
    HANDLE file = ::CreateFileA(full.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(::GetFileSize(file, nullptr), '\0');
    DWORD got = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    ::CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

std::string ValidSettings(const std::string& mask, int sort) {
    // The view keys are left out: a test appends the ones it wants, and the first line of a
    // key is the one read.
    // The window, font and colour the in-process tests look for.
    IniLines lines = StartableSettings().Set("Width", "640").Set("Height", "400");
    lines.Set("Sort", std::to_string(sort)).Set("Mask", mask).Set("DirWidth", "222");
    lines.Set("FColor", "255").Set("FName", "MS UI Gothic");
    for (const char* key : {"Detail", "HiddenFile", "Hyojisu", "MaxFiles", "DefaultApp"})
        lines.Remove(key);
    return lines.Bytes();
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

std::vector<std::string> TabCaptions(HWND tabControl) {
    std::vector<std::string> captions;
    int count = TabCtrl_GetItemCount(tabControl);
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        TabCtrl_GetItem(tabControl, i, &item);
        captions.emplace_back(text);
    }
    return captions;
}

struct ShellPromptAnswerer::State {
    int answer = IDYES;
    std::atomic<bool> stop{false};
    std::atomic<int> answered{0};
    HWND pending = nullptr;  // answered, not yet gone
    DWORD answeredAt = 0;
    HANDLE worker = nullptr;

    static BOOL CALLBACK Visit(HWND hwnd, LPARAM self) {
        auto& s = *reinterpret_cast<State*>(self);
        char cls[16] = {};
        ::GetClassNameA(hwnd, cls, sizeof cls);
        DWORD process = 0;
        ::GetWindowThreadProcessId(hwnd, &process);
        if (process != ::GetCurrentProcessId() || !::IsWindowVisible(hwnd) ||
            std::string(cls) != "#32770")
            return TRUE;
        if (hwnd != s.pending) {
            s.pending = hwnd;
            s.answeredAt = ::GetTickCount();
            ++s.answered;
            ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(s.answer, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, s.answer)));
        } else if (::GetTickCount() - s.answeredAt > 2000) {
            ::PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        }
        return TRUE;
    }
    static DWORD WINAPI Run(void* self) {
        auto& s = *static_cast<State*>(self);
        while (!s.stop) {
            if (s.pending && !::IsWindow(s.pending)) s.pending = nullptr;
            ::EnumWindows(&Visit, reinterpret_cast<LPARAM>(&s));
            ::Sleep(10);
        }
        return 0;
    }
};

ShellPromptAnswerer::ShellPromptAnswerer(int answer) : state_(std::make_unique<State>()) {
    state_->answer = answer;
    state_->worker = ::CreateThread(nullptr, 0, &State::Run, state_.get(), 0, nullptr);
}

ShellPromptAnswerer::~ShellPromptAnswerer() {
    state_->stop = true;
    ::WaitForSingleObject(state_->worker, INFINITE);
    ::CloseHandle(state_->worker);
}

int ShellPromptAnswerer::Answered() const { return state_->answered; }

namespace {
void SetModifiers(bool shift, bool ctrl) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    ::SetKeyboardState(state);
}
}  // namespace

HeldKeys::HeldKeys(bool shift, bool ctrl) { SetModifiers(shift, ctrl); }
HeldKeys::~HeldKeys() { SetModifiers(false, false); }

std::vector<std::string> ListCaptions(HWND list, int column) {
    std::vector<std::string> captions;
    int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        ListView_GetItemText(list, i, column, text, sizeof text);
        captions.emplace_back(text);
    }
    return captions;
}

std::string StatusText(HWND status) {
    char text[512] = {};
    ::SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

void SelectCaptions(HWND list, const std::vector<std::string>& captions) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    const std::vector<std::string> rows = ListCaptions(list);
    for (const std::string& caption : captions) {
        auto row = std::find(rows.begin(), rows.end(), caption) - rows.begin();
        ListView_SetItemState(list, static_cast<int>(row), LVIS_SELECTED, LVIS_SELECTED);
    }
}

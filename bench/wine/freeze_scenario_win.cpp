// Two places where the window once froze, timed under Wine in process (not a test: run it by
// hand or from tools/bench.sh).
//   completion FOLDER PREFIX  the folder box completing FOLDER\PREFIX from the disk: the
//                             search alone, ordering its names alone, the whole key press
//   popup COUNT               start-up with COUNT Pop lines, then one menu refresh, one sync
//                             of the checks and one rebuild of the popup
//   firstopen FOLDER          start-up on an empty folder, then FOLDER opened: the longest
//                             time the window took to answer another thread meanwhile
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/file1_win.h"
#include "bench/wine/bench_clock_win.h"
#include "navigation/completion.h"
#include "navigation/find_entry_win.h"
#include "navigation/path_text.h"
#include "platform/collator_win.h"

namespace {

class SilentUi final : public ModalUi {
public:
    int Message(HWND, const std::string& text, const std::string&, UINT) override {
        std::printf("message: %s\n", text.c_str());
        return IDOK;
    }
};

std::string TempFolder() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    return temp;
}

std::string WriteSettings(const std::string& extra) {
    std::string ini = TempFolder() + "tabora_freeze.ini";
    const std::string settings =
        "Width=800\r\nHeight=600\r\nLeft=0\r\nTop=0\r\nSort=0\r\nMask=*.*\r\nDirWidth=300\r\n"
        "FCharset=128\r\nFColor=0\r\nFHeight=-12\r\nFName=MS UI Gothic\r\nFSize=9\r\n"
        "BGColor=16777215\r\nHiddenFile=1\r\n" +
        extra;
    HANDLE file = ::CreateFileA(ini.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    ::WriteFile(file, settings.data(), static_cast<DWORD>(settings.size()), &put, nullptr);
    ::CloseHandle(file);
    return ini;
}

int Completion(const std::string& folder, const std::string& prefix) {
    const std::string base = FolderForAppend(folder);
    std::vector<DirEntry> found;
    double t0 = Now();
    SearchDisk(LongSearchPattern(base + prefix + "*"), [&](DirEntry& entry) {
        found.push_back(std::move(entry));
        return true;
    });
    double t1 = Now();
    const CompletionList list = DiskCandidates(found, WinCollator());
    double t2 = Now();

    SilentUi ui;
    const std::string ini = WriteSettings("");
    TFrmFile form(::GetModuleHandleA(nullptr), {TempFolder()}, ui, ini);
    ::ShowWindow(form.Handle(), SW_SHOW);
    ::SetWindowTextA(form.CmbDir, (base + prefix).c_str());
    double t3 = Now();
    form.CmbDirKeyDown(VK_DOWN);
    double t4 = Now();
    const LRESULT shown = ::SendMessageA(form.lstHokan, LB_GETCOUNT, 0, 0);
    std::printf(
        "found=%zu search=%.3fs order=%.3fs (names=%zu more=%zu) key_to_list=%.3fs (list "
        "lines=%ld)\n",
        found.size(), t1 - t0, t2 - t1, list.Names.size(), list.More, t4 - t3,
        static_cast<long>(shown));
    ::DeleteFileA(ini.c_str());
    return 0;
}

int Popup(int count) {
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += "Popcmd" + std::to_string(i) + "=,notepad.exe %file,1\r\n";
    const std::string ini = WriteSettings(lines);
    SilentUi ui;
    double t0 = Now();
    TFrmFile form(::GetModuleHandleA(nullptr), {TempFolder()}, ui, ini);
    double t1 = Now();
    form.RefreshMainMenu();
    double t2 = Now();
    form.SyncMenus();
    double t3 = Now();
    form.BuildPopupMenu();
    double t4 = Now();
    std::printf("pop=%d startup=%.3fs refresh=%.3fs sync=%.3fs rebuild_popup=%.3fs\n", count,
                t1 - t0, t2 - t1, t3 - t2, t4 - t3);
    ::DeleteFileA(ini.c_str());
    return 0;
}

// Everything the window has been sent or posted, answered for about the given time.
void Pump(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageA(&msg);
    }
}

// Asks the window something every 10 ms from another thread, as another program would, and
// keeps the longest wait for the answer.
class Pinger {
public:
    explicit Pinger(HWND window)
        : thread_([this, window] {
              while (!done_.load()) {
                  const double t0 = Now();
                  DWORD_PTR answer = 0;
                  ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer);
                  const double waited = Now() - t0;
                  if (waited > longest_.load()) longest_.store(waited);
                  ::Sleep(10);
              }
              finished_.store(true);
          }) {}
    // The longest wait since the last call.
    double Longest() { return longest_.exchange(0); }
    ~Pinger() {
        done_.store(true);
        while (!finished_.load()) Pump(10);
        thread_.join();
    }

private:
    std::atomic<bool> done_{false}, finished_{false};
    std::atomic<double> longest_{0};
    std::thread thread_;
};

// Opens the folder and paints it, and tells how long each took and the longest time the
// window left another thread waiting meanwhile.
void OpenAndPaint(TFrmFile& form, Pinger& pinger, const std::string& folder, const char* what) {
    Pump(100);
    pinger.Longest();
    const double t0 = Now();
    form.OpenFolder(folder, true);
    const double t1 = Now();
    for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageA(&msg);
    ::UpdateWindow(form.Handle());
    const double t2 = Now();
    Pump(100);
    std::printf("%s: open=%.3fs paint=%.3fs longest_unanswered=%.3fs\n", what, t1 - t0, t2 - t1,
                pinger.Longest());
}

int FirstOpen(const std::string& folder) {
    const std::string empty = TempFolder() + "tabora_empty";
    ::CreateDirectoryA(empty.c_str(), nullptr);
    const std::string ini = WriteSettings("");
    SilentUi ui;
    TFrmFile form(::GetModuleHandleA(nullptr), {empty}, ui, ini);
    ::ShowWindow(form.Handle(), SW_SHOW);
    ::UpdateWindow(form.Handle());
    {
        Pinger pinger(form.Handle());
        if (const char* small = std::getenv("SMALL")) OpenAndPaint(form, pinger, small, "small");
        OpenAndPaint(form, pinger, folder, "first_open");
        OpenAndPaint(form, pinger, empty, "empty_again");
        OpenAndPaint(form, pinger, folder, "second_open");
    }
    ::DeleteFileA(ini.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "completion" && argc > 3) return Completion(argv[2], argv[3]);
    if (mode == "popup" && argc > 2) return Popup(std::atoi(argv[2]));
    if (mode == "firstopen" && argc > 2) return FirstOpen(argv[2]);
    std::printf("usage: %s completion FOLDER PREFIX | popup COUNT | firstopen FOLDER\n", argv[0]);
    return 2;
}

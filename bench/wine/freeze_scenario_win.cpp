// Two places where the window once froze, timed under Wine in process (not a test: run it by
// hand or from tools/bench.sh).
//   completion FOLDER PREFIX  the folder box completing FOLDER\PREFIX from the disk: the
//                             search alone, ordering its names alone, the whole key press
//   popup COUNT               start-up with COUNT Pop lines, then one menu refresh, one sync
//                             of the checks and one rebuild of the popup
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
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
    SearchDisk(LongSearchPattern(base + prefix + "*"), [&](const DirEntry& entry) {
        found.push_back(entry);
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

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "completion" && argc > 3) return Completion(argv[2], argv[3]);
    if (mode == "popup" && argc > 2) return Popup(std::atoi(argv[2]));
    std::printf("usage: %s completion FOLDER PREFIX | popup COUNT\n", argv[0]);
    return 2;
}

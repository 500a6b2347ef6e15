// Opening a big folder under Wine: the file system's enumeration alone, then the program's
// whole path from OpenFolder to the status line, in one process so both see the same cache.
// Usage: tabora_listing_scenario.exe FOLDER [ROUNDS]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/file1_win.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Enumerate(const std::string& folder) {
    WIN32_FIND_DATAA data{};
    HANDLE find = ::FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do ++count;
    while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return count;
}

class SilentUi final : public ModalUi {
public:
    int Message(HWND, const std::string& text, const std::string&, UINT) override {
        std::printf("message: %s\n", text.c_str());
        return IDOK;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: %s FOLDER [ROUNDS]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    // A settings file of our own beside a scratch folder.
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    std::string ini = std::string(temp) + "tabora_bench.ini";
    const char settings[] =
        "Width=800\r\nHeight=600\r\nLeft=0\r\nTop=0\r\nSort=0\r\nMask=*.*\r\nDirWidth=300\r\n"
        "FCharset=128\r\nFColor=0\r\nFHeight=-12\r\nFName=MS UI Gothic\r\nFSize=9\r\n"
        "BGColor=16777215\r\nHiddenFile=1\r\n";
    HANDLE file = ::CreateFileA(ini.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    ::WriteFile(file, settings, sizeof settings - 1, &put, nullptr);
    ::CloseHandle(file);

    SilentUi ui;
    TFrmFile form(::GetModuleHandleA(nullptr), {std::string(temp)}, ui, ini);
    ::ShowWindow(form.Handle(), SW_SHOW);

    Enumerate(folder);  // warm the cache for both measurements
    for (int round = 0; round < rounds; ++round) {
        double t0 = Now();
        int entries = Enumerate(folder);
        double t1 = Now();
        form.OpenFolder(temp, true);  // somewhere else, so the next open is a change of folder
        double t2 = Now();
        form.OpenFolder(folder, true);
        double t3 = Now();
        char status[256] = {};
        ::SendMessageA(form.StatusBar1, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
        double t4 = Now();
        form.ListFolder(form.CurrentSlot());  // listing alone, no disk
        double t5 = Now();
        double enumeration = t1 - t0;
        double open = t3 - t2;
        std::printf(
            "entries=%d enumeration=%.3fs open_to_status=%.3fs listing_only=%.3fs "
            "program_work/enumeration=%.2f\n",
            entries, enumeration, open, t5 - t4, (open - enumeration) / enumeration);
        (void)status;
    }
    ::DeleteFileA(ini.c_str());
    return 0;
}

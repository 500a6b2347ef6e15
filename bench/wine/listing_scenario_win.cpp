// Opening a big folder under Wine: the file system's enumeration alone, then the program's
// whole path from OpenFolder to the status line, in one process so both see the same cache.
// Each round measures both; the medians and the peak working set per entry close the run.
// Usage: tabora_listing_scenario.exe FOLDER [ROUNDS] [LIMIT]   (LIMIT 1: display limit on)
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/file1_win.h"
#include "bench/wine/bench_clock_win.h"

namespace {

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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

PROCESS_MEMORY_COUNTERS Memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters;
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
        std::printf("usage: %s FOLDER [ROUNDS] [LIMIT]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    const bool limit = argc > 3 && std::atoi(argv[3]) != 0;
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
    form.DisplayLimit = limit;
    ::ShowWindow(form.Handle(), SW_SHOW);

    const int entries = Enumerate(folder);  // warms the cache for both measurements
    const SIZE_T baseline = Memory().WorkingSetSize;
    std::vector<double> enumerations, opens, listings, ratios;
    for (int round = 0; round < rounds; ++round) {
        double t0 = Now();
        Enumerate(folder);
        double t1 = Now();
        form.OpenFolder(temp, true);  // somewhere else, so the next open is a change of folder
        double t2 = Now();
        form.OpenFolder(folder, true);
        double t3 = Now();
        form.ListFolder(form.CurrentSlot());  // listing alone, no disk
        double t4 = Now();
        enumerations.push_back(t1 - t0);
        opens.push_back(t3 - t2);
        listings.push_back(t4 - t3);
        ratios.push_back((opens.back() - enumerations.back()) / enumerations.back());
        std::printf(
            "entries=%d limit=%d enumeration=%.3fs open_to_status=%.3fs listing_only=%.3fs "
            "own_work/enumeration=%.2f\n",
            entries, limit, enumerations.back(), opens.back(), listings.back(), ratios.back());
    }
    char status[256] = {};
    ::SendMessageA(form.StatusBar1, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
    const PROCESS_MEMORY_COUNTERS memory = Memory();
    const double perEntry =
        entries > 0 ? static_cast<double>(memory.PeakWorkingSetSize - baseline) / entries : 0;
    std::printf(
        "median entries=%d limit=%d enumeration=%.3fs open_to_status=%.3fs listing_only=%.3fs "
        "own_work/enumeration=%.2f peak_bytes/entry=%.0f (status: %s)\n",
        entries, limit, Median(enumerations), Median(opens), Median(listings), Median(ratios),
        perEntry, status);
    ::DeleteFileA(ini.c_str());
    return 0;
}

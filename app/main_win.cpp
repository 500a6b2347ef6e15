// Program entry: hand the command line to a running window, or become the window.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "app/file1_win.h"
#include "app/handover_win.h"
#include "app/settings_file_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    // The runtime splits the command line as the platform does: blanks separate, double
    // quotes group and are removed.
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
    if (PassToRunningInstance(args)) return 0;

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    SystemModalUi ui;
    try {
        TFrmFile form(instance, args, ui, ProgramFolder() + "tabora.ini");
        if (form.Terminated()) return 0;
        ::ShowWindow(form.Handle(), show == SW_HIDE ? SW_SHOWNORMAL : show);
        ::UpdateWindow(form.Handle());
        return RunMessageLoop(form);
    } catch (const std::exception& e) {
        ShowErrorReport(ui, nullptr, e.what());
        return 1;
    }
}

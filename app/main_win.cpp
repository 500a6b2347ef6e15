// Program entry: hand the command line to a running window, or become the window.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>

#include "app/file1_win.h"
#include "app/handover_win.h"
#include "app/settings_file_win.h"
#include "dialogs/system_modal_ui_win.h"
#include "platform/text_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    // The runtime splits the command line as the platform does: blanks separate, double
    // quotes group and are removed.
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
    // A folder the code page cannot hold arrives with '?' in its place: such an argument is
    // taken from the UTF-16 command line instead, split the same way.
    int count = 0;
    LPWSTR* wideArgs = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wideArgs && count == __argc)
        for (int i = 1; i < count; ++i)
            if (args[static_cast<std::size_t>(i) - 1].find('?') != std::string::npos)
                args[static_cast<std::size_t>(i) - 1] = NarrowText(wideArgs[i]);
    ::LocalFree(wideArgs);
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

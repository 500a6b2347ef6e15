#include "platform/launcher_win.h"

#include <shellapi.h>

#include "app/wide_escape.h"
#include "platform/text_win.h"
#include "platform/unique_handle_win.h"

static_assert(kLaunchInvokeIdList == SEE_MASK_INVOKEIDLIST && kLaunchNoUi == SEE_MASK_FLAG_NO_UI);
static_assert(kShowHide == SW_HIDE && kShowShow == SW_SHOW && kShowDefault == SW_SHOWDEFAULT);
static_assert(kErrorNoAssociation == ERROR_NO_ASSOCIATION);

namespace {
const wchar_t* TextOrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

// WinExec for a command line naming a file the code page cannot hold, which WinExec would
// receive with '?' in its place: the same start through the wide call, with WinExec's
// answers (above 31 when started).
UINT ExecWide(const std::string& commandLine, int show) {
    std::wstring line = WideText(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        const DWORD error = ::GetLastError();
        return error < 32 ? static_cast<UINT>(error) : 0;
    }
    UniqueKernelHandle thread(process.hThread), started(process.hProcess);
    return 33;
}
}  // namespace

LaunchResult SystemLauncher::Run(const LaunchPlan& plan) {
    if (plan.Call == LaunchCall::Exec) {
        // A command line has no working folder of its own: the started program inherits ours.
        if (!plan.Folder.empty()) ::SetCurrentDirectoryW(WideText(plan.Folder).c_str());
        ::SetLastError(0);
        UINT code = wide::HasEscapes(plan.Program)
                        ? ExecWide(plan.Program, plan.Show)
                        : ::WinExec(plan.Program.c_str(), static_cast<UINT>(plan.Show));
        return {code > 31, static_cast<std::intptr_t>(code), ::GetLastError()};
    }
    // In UTF-16, so that a file the code page cannot hold is handed over exactly.
    const std::wstring verb = WideText(plan.Verb), file = WideText(plan.Program),
                       parameters = WideText(plan.Parameters), folder = WideText(plan.Folder);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = plan.Mask;
    info.lpVerb = TextOrNull(verb);
    info.lpFile = TextOrNull(file);
    info.lpParameters = TextOrNull(parameters);
    info.lpDirectory = TextOrNull(folder);
    info.nShow = plan.Show;
    ::SetLastError(0);
    bool started = ::ShellExecuteExW(&info) != FALSE;
    DWORD error = ::GetLastError();
    return {started, reinterpret_cast<std::intptr_t>(info.hInstApp), error};
}

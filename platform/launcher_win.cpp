#include "platform/launcher_win.h"

#include <shellapi.h>

static_assert(kLaunchInvokeIdList == SEE_MASK_INVOKEIDLIST && kLaunchNoUi == SEE_MASK_FLAG_NO_UI);
static_assert(kShowHide == SW_HIDE && kShowShow == SW_SHOW && kShowDefault == SW_SHOWDEFAULT);
static_assert(kErrorNoAssociation == ERROR_NO_ASSOCIATION);

namespace {
const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }
}  // namespace

LaunchResult SystemLauncher::Run(const LaunchPlan& plan) {
    if (plan.Call == LaunchCall::Exec) {
        // A command line has no working folder of its own: the started program inherits ours.
        if (!plan.Folder.empty()) ::SetCurrentDirectoryA(plan.Folder.c_str());
        ::SetLastError(0);
        UINT code = ::WinExec(plan.Program.c_str(), static_cast<UINT>(plan.Show));
        return {code > 31, static_cast<std::intptr_t>(code), ::GetLastError()};
    }
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = plan.Mask;
    info.lpVerb = TextOrNull(plan.Verb);
    info.lpFile = TextOrNull(plan.Program);
    info.lpParameters = TextOrNull(plan.Parameters);
    info.lpDirectory = TextOrNull(plan.Folder);
    info.nShow = plan.Show;
    ::SetLastError(0);
    bool started = ::ShellExecuteExA(&info) != FALSE;
    DWORD error = ::GetLastError();
    return {started, reinterpret_cast<std::intptr_t>(info.hInstApp), error};
}

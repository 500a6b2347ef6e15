#include "platform/shell_ops_win.h"

#include <shellapi.h>

#include <stdexcept>

#include "platform/com_init_win.h"
#include "platform/text_win.h"

// The plan's values are the shell's own.
static_assert(static_cast<UINT>(ShellFunction::Move) == FO_MOVE);
static_assert(static_cast<UINT>(ShellFunction::Copy) == FO_COPY);
static_assert(static_cast<UINT>(ShellFunction::Delete) == FO_DELETE);
static_assert(static_cast<UINT>(ShellFunction::Rename) == FO_RENAME);
static_assert(kShellMultiDestFiles == FOF_MULTIDESTFILES && kShellSilent == FOF_SILENT &&
              kShellRenameOnCollision == FOF_RENAMEONCOLLISION &&
              kShellNoConfirmation == FOF_NOCONFIRMATION && kShellAllowUndo == FOF_ALLOWUNDO &&
              kShellFilesOnly == FOF_FILESONLY && kShellNoConfirmMkdir == FOF_NOCONFIRMMKDIR &&
              kShellNoErrorUi == FOF_NOERRORUI);

bool RunningUnderWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

ShellResult SystemShellOps::Run(const ShellPlan& plan) {
    const ShellPlan& work =
        oneTargetPerSource_ && IsMultiMoveIntoFolder(plan) ? OneTargetPerSource(plan) : plan;
    if (!NamesOneFileEach(work)) return {kShellRefusedWildcard, false};
    // The list form converts whole, its NULs included.
    const std::wstring from = WideText(DoubleNulList(work.Sources));
    const std::wstring to = WideText(DoubleNulList(work.Destinations));
    // And once more as the shell reads them: a '?' or '*' typed or escaped is still a pattern.
    for (const std::wstring* list : {&from, &to})
        for (std::size_t at = 0; at < list->size(); at = list->find(L'\0', at) + 1) {
            const std::size_t start = list->compare(at, 4, L"\\\\?\\") == 0 ? at + 4 : at;
            const std::size_t end = list->find(L'\0', at);
            if (list->find_first_of(L"?*", start) < end) return {kShellRefusedWildcard, false};
        }
    SHFILEOPSTRUCTW op{};
    op.hwnd = owner_;
    op.wFunc = static_cast<UINT>(work.Function);
    op.pFrom = from.c_str();
    op.pTo = work.Destinations.empty() ? nullptr : to.c_str();
    op.fFlags = static_cast<FILEOP_FLAGS>(work.Flags);
    int code = ::SHFileOperationW(&op);
    return {code, op.fAnyOperationsAborted != FALSE};
}

namespace {
struct ShellWork {
    std::shared_ptr<ShellJob> Job;
    ShellOps* Ops;
    ShellPlan Plan;
};

DWORD WINAPI RunShellWork(void* parameter) {
    std::unique_ptr<ShellWork> work(static_cast<ShellWork*>(parameter));
    {
        // The shell's recycle bin and its dialogs want an apartment on their thread.
        ComInitialization com;
        try {
            work->Job->Result = work->Ops->Run(work->Plan);
        } catch (...) {
            work->Job->Result = {-1, true};
        }
    }
    ::SetEvent(work->Job->Done.get());
    return 0;
}
}  // namespace

std::shared_ptr<ShellJob> StartShellJob(ShellOps& ops, ShellPlan plan) {
    auto job = std::make_shared<ShellJob>();
    if (!job->Done) throw std::runtime_error("処理を始められません");
    auto work = std::make_unique<ShellWork>(ShellWork{job, &ops, std::move(plan)});
    UniqueKernelHandle thread(::CreateThread(nullptr, 0, &RunShellWork, work.get(), 0, nullptr));
    if (!thread) throw std::runtime_error("処理を始められません");
    work.release();  // the thread owns it now
    return job;
}

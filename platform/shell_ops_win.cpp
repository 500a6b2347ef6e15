#include "platform/shell_ops_win.h"

#include <shellapi.h>

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

// The shell's file operation (copy, move, delete, rename) behind an interface, so that
// in-process tests record the plans instead of answering the shell's own questions.
#pragma once

#include <windows.h>

#include <memory>

#include "fileops/shell_plan.h"
#include "platform/unique_handle_win.h"

class ShellOps {
public:
    virtual ~ShellOps() = default;
    virtual ShellResult Run(const ShellPlan& plan) = 0;
    // The window the shell's questions belong to: it stays disabled while they are open.
    virtual void SetOwner(HWND /*owner*/) {}
    // True when Run may take long enough (copying gigabytes) to belong on a thread of its own.
    virtual bool RunsOnWorker() const { return false; }
};

// One operation on a thread of its own: Done is set when it has ended, and Result holds its
// answer from then on. ops must live until then.
struct ShellJob {
    ShellResult Result;
    UniqueKernelHandle Done{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
};
std::shared_ptr<ShellJob> StartShellJob(ShellOps& ops, ShellPlan plan);

// True when the program runs under Wine (its ntdll exports wine_get_version).
bool RunningUnderWine();

class SystemShellOps final : public ShellOps {
public:
    // oneTargetPerSource: hand a move of several files into a folder over as one target per
    // source, which Wine needs (it refuses the single-folder form with 0x4C7, moving nothing).
    explicit SystemShellOps(bool oneTargetPerSource = RunningUnderWine())
        : oneTargetPerSource_(oneTargetPerSource) {}
    // A plan that could name more than one file is refused (kShellRefusedWildcard), whatever
    // the caller checked; the paths go to the shell in UTF-16, exactly as the listing found them.
    ShellResult Run(const ShellPlan& plan) override;
    void SetOwner(HWND owner) override { owner_ = owner; }
    bool RunsOnWorker() const override { return true; }

private:
    bool oneTargetPerSource_;
    HWND owner_ = nullptr;
};

// Starting a command template: the expanded plan goes through the Launcher, the work it
// leaves behind is armed, and a document without association gets one DefaultApp retry.
#include "app/file1_win.h"
#include "app/settings_file_win.h"
#include "commands/command_template.h"

CommandContext TFrmFile::LaunchContext() const {
    CommandContext context;
    context.AppDir = ProgramFolder();
    context.CurrentFolder = CurrentFolder();
    context.DesktopFolder = DesktopPath;
    const std::vector<RowEntry> first = SelectedEntries(1);
    if (!first.empty() && ListedSlot >= 0)
        context.FirstSelected = TabSlots[ListedSlot].Names[first.front().Entry];
    return context;
}

void TFrmFile::RunCommand(const std::string& commandTemplate, const std::string& arguments) {
    const CommandContext context = LaunchContext();
    CarryOutLaunch(ExpandCommand(commandTemplate, arguments, context), context);
}

void TFrmFile::CarryOutLaunch(const CommandLaunch& launch, const CommandContext& context) {
    if (launch.Refresh) {
        // The list keeps its place when it is refreshed on the way back.
        SaveScroll();
        RefreshPending = true;
    }
    if (launch.OpenDir) {
        // One pending folder: a second launch before the tick replaces the path and keeps
        // the wait that already runs.
        if (!OpenDirPending) ::SetTimer(hwnd_, kTimer1, 1000, nullptr);
        OpenDirPending = true;
        OpenDirPath = launch.OpenDirPath;
    }
    const LaunchResult result = Launch->Run(launch.Plan);
    switch (AfterLaunch(launch, result)) {
        case LaunchOutcome::Done: return;
        case LaunchOutcome::RetryWithDefaultApp:
            if (auto retry = DefaultAppLaunch(Settings.Value("DefaultApp"), launch, context)) {
                CarryOutLaunch(*retry, context);
                return;
            }
            break;
        case LaunchOutcome::ShowError: break;
    }
    Ui.Message(hwnd_, launch.ProgramText, kLaunchErrorCaption, MB_OK);
}

void TFrmFile::FormActivate(WPARAM state) {
    // Only a return by the keyboard refreshes; a click may be aimed at a row of the old list.
    if (LOWORD(state) != WA_ACTIVE || !RefreshPending) return;
    RefreshPending = false;
    mnRefreshClick();
}

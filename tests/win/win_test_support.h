// In-process helpers: a scratch folder with a settings file, recording stand-ins for message
// boxes, the shell's file operations and launching, and a message pump.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/launcher_win.h"
#include "platform/modal_ui_win.h"
#include "platform/shell_ops_win.h"
#include "platform/text_win.h"

struct ShownMessage {
    std::string Text;
    std::string Caption;
};

class RecordingUi final : public ModalUi {
public:
    int Message(HWND, const std::string& text, const std::string& caption, UINT) override {
        Shown.push_back({text, caption});
        return Answer;
    }
    std::vector<ShownMessage> Shown;
    int Answer = IDOK;  // how every question is answered
};

class RecordingShellOps final : public ShellOps {
public:
    ShellResult Run(const ShellPlan& plan) override {
        Plans.push_back(plan);
        if (OnRun) OnRun(plan);
        return Answer;
    }
    std::vector<ShellPlan> Plans;
    ShellResult Answer;  // how every operation ends
    // Called at the operation: to look at the state of that moment, or to do the shell's work.
    std::function<void(const ShellPlan&)> OnRun;
};

class RecordingLauncher final : public Launcher {
public:
    LaunchResult Run(const LaunchPlan& plan) override {
        Plans.push_back(plan);
        if (Plans.size() <= Answers.size()) return Answers[Plans.size() - 1];
        return Answer;
    }
    std::vector<LaunchPlan> Plans;
    std::vector<LaunchResult> Answers;  // how the first launches end, in order
    LaunchResult Answer{true, 42, 0};   // how every further launch ends
};

// Puts a fresh double into one of the window's seats (form.Shell, form.Launch) and returns it.
template <typename Double, typename Seat>
Double& Install(std::unique_ptr<Seat>& seat) {
    auto fresh = std::make_unique<Double>();
    Double& installed = *fresh;
    seat = std::move(fresh);
    return installed;
}

// A fresh folder under the temp folder, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::string& Path() const { return path_; }  // with a trailing backslash
    std::string Make(const std::string& name);         // a subfolder; its full path
    void Write(const std::string& name, const std::string& bytes);
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};

// The settings every test starts from: valid window keys, font and colour, with the mask
// and sort order given.
std::string ValidSettings(const std::string& mask = "*.txt;*.doc", int sort = 1);

// Handles queued messages (posted work, hand-overs) without blocking.
void PumpMessages();

// Texts of one column of a list view, top to bottom, and the status line.
std::vector<std::string> ListCaptions(HWND list, int column = 0);
// Selects exactly the rows of these captions (first column); none for an empty list.
void SelectCaptions(HWND list, const std::vector<std::string>& captions);
std::string StatusText(HWND status);

// Tab captions of a tab control, left to right.
std::vector<std::string> TabCaptions(HWND tabControl);

// Answers the shell's own questions (a dialog of this process, such as the confirmation of a
// delete, on whichever thread the shell runs) from a second thread, so that a shell call in a test
// never waits for a user. A question still open two seconds after its answer is cancelled.
class ShellPromptAnswerer {
public:
    explicit ShellPromptAnswerer(int answer);  // IDYES, IDNO, IDCANCEL
    ~ShellPromptAnswerer();
    ShellPromptAnswerer(const ShellPromptAnswerer&) = delete;
    ShellPromptAnswerer& operator=(const ShellPromptAnswerer&) = delete;
    int Answered() const;  // how many questions were answered

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Holds Shift and/or Ctrl down for GetKeyState of this thread until destroyed.
class HeldKeys {
public:
    HeldKeys(bool shift, bool ctrl);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
};

// The one fixture of the in-process tests of the main window: a scratch folder whose
// tabora.ini the window reads, the window's questions answered by a double, and windows
// started over them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/file1_win.h"
#include "win_test_support.h"

template <class Ui = RecordingUi>
class WindowFixture : public ::testing::Test {
protected:
    // The window over the folder's tabora.ini, opened on args, its first posted work done.
    std::unique_ptr<TFrmFile> Open(std::vector<std::string> args, bool shown = false) {
        auto form = std::make_unique<TFrmFile>(::GetModuleHandleA(nullptr), std::move(args), ui,
                                               dir.Path() + "tabora.ini");
        if (shown) ::ShowWindow(form->Handle(), SW_SHOWNORMAL);
        PumpMessages();
        return form;
    }
    // The same after writing settings into tabora.ini.
    std::unique_ptr<TFrmFile> Open(const std::string& settings, std::vector<std::string> args,
                                   bool shown = false) {
        dir.Write("tabora.ini", settings);
        return Open(std::move(args), shown);
    }
    static TTabSlot& Current(TFrmFile& form) { return form.TabSlots[form.CurrentSlot()]; }

    ScratchFolder dir;
    Ui ui;
};

// The modal form base in process: Tab order from the design table, an OK that a form may
// refuse, and a quit message that reaches the outer loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "dialogs/modal_form_win.h"

namespace {

std::function<void()>* onTick = nullptr;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (onTick) (*onTick)();
}

// Two boxes and the two buttons; OK is accepted only with something in the first box.
class TwoBoxForm final : public TModalForm {
public:
    TwoBoxForm() : TModalForm("TaboraTestForm", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0) {
        static constexpr TControlDesign<TwoBoxForm> kDesign[] = {
            {&TwoBoxForm::First, "EDIT", "", WS_TABSTOP, WS_EX_CLIENTEDGE, 4, 4, 100, 20, 10},
            {&TwoBoxForm::Second, "EDIT", "", WS_TABSTOP, WS_EX_CLIENTEDGE, 4, 28, 100, 20, 11},
            {&TwoBoxForm::Ok, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 4, 52, 50, 22,
             IDOK},
            {&TwoBoxForm::Cancel, "BUTTON", "Cancel", WS_TABSTOP, 0, 58, 52, 50, 22, IDCANCEL},
        };
        CreateControls<TwoBoxForm>(*this, kDesign);
        Controls = {First, Second, Ok, Cancel};
        SetClientSizeCentred(112, 78);
    }
    void OkClicked() override {
        ++OkAsked;
        if (::GetWindowTextLengthA(Controls[0]) > 0) Close(IDOK);
    }
    HWND First = nullptr, Second = nullptr, Ok = nullptr, Cancel = nullptr;
    std::vector<HWND> Controls;  // in the design's order
    int OkAsked = 0;
};

class ModalForm : public ::testing::Test {
protected:
    void SetUp() override {
        owner = ::CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                  300, 200, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { ::DestroyWindow(owner); }
    // ShowModal, running one step per timer tick from inside the loop once the form shows;
    // after the last step the form is closed within two seconds so nothing hangs.
    int Run(const std::vector<std::function<void()>>& steps) {
        size_t next = 0;
        int waited = 0;
        std::function<void()> tick = [&] {
            if (!::IsWindowVisible(form.Handle())) return;
            if (next < steps.size())
                steps[next++]();
            else if (++waited > 200)
                ::SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
        };
        onTick = &tick;
        UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &Tick);
        int result = form.ShowModal(owner, form.Controls[0]);
        ::KillTimer(nullptr, timer);
        onTick = nullptr;
        EXPECT_EQ(next, steps.size());
        return result;
    }
    void Key(int key) { ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 0); }

    TwoBoxForm form;
    HWND owner = nullptr;
};

TEST_F(ModalForm, TabFollowsTheDesignAndEnterAsksTheFormBeforeClosing) {
    std::vector<HWND> focus;
    std::vector<std::function<void()>> steps(5, [&] {
        focus.push_back(::GetFocus());
        Key(focus.size() < 5 ? VK_TAB : VK_RETURN);  // Enter refused: the first box is empty
    });
    steps.push_back([&] {
        EXPECT_TRUE(form.Running());
        EXPECT_FALSE(::IsWindowEnabled(owner));
        ::SetWindowTextA(form.Controls[0], "x");
        Key(VK_RETURN);
    });
    int result = Run(steps);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(form.OkAsked, 2);
    const std::vector<HWND>& c = form.Controls;
    EXPECT_EQ(focus, (std::vector<HWND>{c[0], c[1], c[2], c[3], c[0]}));
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_FALSE(::IsWindowVisible(form.Handle()));
}

TEST_F(ModalForm, AQuitEndsTheFormAndIsLeftForTheOuterLoop) {
    int nested = 0;
    int result = Run({[&] {
        // A second question while the form is up is refused at once.
        nested = form.ShowModal(owner, nullptr);
        ::PostQuitMessage(7);
    }});
    EXPECT_EQ(nested, IDCANCEL);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    MSG msg{};
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);

    // An owner that was disabled before stays so.
    ::EnableWindow(owner, FALSE);
    EXPECT_EQ(Run({[&] { Key(VK_ESCAPE); }}), IDCANCEL);
    EXPECT_FALSE(::IsWindowEnabled(owner));
}

}  // namespace

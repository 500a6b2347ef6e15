#include "listing/window_layout.h"

#include <gtest/gtest.h>

namespace {

LayoutInput DesignInput() {
    LayoutInput in;
    in.ClientWidth = 538;
    in.ClientHeight = 164;
    in.StatusBarHeight = 15;
    in.FolderBox = {0, 16, 147, 20};
    in.ButtonWidth = 20;
    in.MaskBox = {265, 16, 73, 20};
    return in;
}

// What holds for every input whose folder box starts at the left edge: the list fills the
// width between the folder box and the space kept above the status bar, the buttons follow
// the box in its row (three, a gap, two, a wider gap, three), the mask box follows them, and
// the tab strip stands behind everything down to the status bar.
void ExpectLayout(const LayoutInput& in) {
    const LayoutResult out = ComputeLayout(in);
    const TRectPx& box = in.FolderBox;

    EXPECT_EQ(out.ListView.Left, 0);
    EXPECT_EQ(out.ListView.Top, box.Top + box.Height);
    EXPECT_EQ(out.ListView.Width, in.ClientWidth);
    EXPECT_EQ(out.ListView.Top + out.ListView.Height, in.ClientHeight - in.StatusBarHeight);

    const int gaps[8] = {0, 0, 0, 8, 0, 12, 0, 0};
    int right = box.Width;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(out.Buttons[i].Left, right + gaps[i]) << "button " << i;
        EXPECT_EQ(out.Buttons[i].Top, box.Top) << "button " << i;
        EXPECT_EQ(out.Buttons[i].Width, in.ButtonWidth) << "button " << i;
        EXPECT_EQ(out.Buttons[i].Height, box.Height) << "button " << i;
        right = out.Buttons[i].Right();
    }

    EXPECT_EQ(out.MaskBox.Left, out.Buttons[7].Right());
    EXPECT_EQ(out.MaskBox.Top, in.MaskBox.Top);
    EXPECT_EQ(out.MaskBox.Width, in.MaskBox.Width);
    EXPECT_EQ(out.MaskBox.Height, in.MaskBox.Height);

    EXPECT_EQ(out.TabControl.Left, 0);
    EXPECT_EQ(out.TabControl.Top, 0);
    EXPECT_EQ(out.TabControl.Width, in.ClientWidth);
    EXPECT_EQ(out.TabControl.Height, in.ClientHeight - in.StatusBarHeight);
}

TEST(WindowLayoutTest, DesignSizedWindow) {
    const LayoutInput in = DesignInput();
    ExpectLayout(in);
    const LayoutResult out = ComputeLayout(in);
    EXPECT_EQ(out.ListView.Top, 36);
    EXPECT_EQ(out.ListView.Height, 113);
    EXPECT_EQ(out.Buttons[0].Left, 147);
    EXPECT_EQ(out.Buttons[3].Left, 215);
    EXPECT_EQ(out.Buttons[5].Left, 267);
    EXPECT_EQ(out.MaskBox.Left, 327);
    EXPECT_EQ(out.TabControl.Height, 149);
}

TEST(WindowLayoutTest, WiderFolderBoxAndTallerFontMoveEverythingAlong) {
    LayoutInput in = DesignInput();
    in.ClientWidth = 1000;
    in.ClientHeight = 700;
    in.StatusBarHeight = 19;
    in.FolderBox = {0, 16, 300, 27};
    in.ButtonWidth = 27;
    ExpectLayout(in);

    const LayoutResult small = ComputeLayout(DesignInput());
    LayoutInput taller = DesignInput();
    taller.FolderBox.Height = 26;
    const LayoutResult big = ComputeLayout(taller);
    EXPECT_EQ(big.ListView.Top, small.ListView.Top + 6);
    EXPECT_EQ(big.ListView.Height, small.ListView.Height - 6);
    EXPECT_EQ(big.Buttons[7].Height, 26);
    EXPECT_EQ(big.TabControl.Height, small.TabControl.Height);
}

}  // namespace

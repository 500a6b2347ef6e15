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

// Checks the whole layout for an input whose folder box starts at the left edge.
void ExpectLayout(const LayoutInput& in) {
    const LayoutResult out = ComputeLayout(in);
    const TRectPx& box = in.FolderBox;
    const int b = in.ButtonWidth;
    const int l = box.Width;

    EXPECT_EQ(out.ListView.Left, 0);
    EXPECT_EQ(out.ListView.Top, box.Top + box.Height);
    EXPECT_EQ(out.ListView.Width, in.ClientWidth);
    EXPECT_EQ(out.ListView.Height, in.ClientHeight - 16 - in.StatusBarHeight - box.Height);

    const int lefts[8] = {l,
                          l + b,
                          l + 2 * b,
                          l + 3 * b + 8,
                          l + 4 * b + 8,
                          l + 5 * b + 20,
                          l + 6 * b + 20,
                          l + 7 * b + 20};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(out.Buttons[i].Left, lefts[i]) << "button " << i;
        EXPECT_EQ(out.Buttons[i].Top, box.Top) << "button " << i;
        EXPECT_EQ(out.Buttons[i].Width, b) << "button " << i;
        EXPECT_EQ(out.Buttons[i].Height, box.Height) << "button " << i;
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

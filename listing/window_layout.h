// Where the controls of the main window go when it is resized or its font changes.
#pragma once

struct TRectPx {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
};

struct LayoutInput {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int StatusBarHeight = 0;
    TRectPx FolderBox;     // CmbDir: keeps its place and width; its height follows the font
    int ButtonWidth = 20;  // width of each tool button
    TRectPx MaskBox;       // CmbMask: keeps its top, width and height
};

struct LayoutResult {
    TRectPx ListView;
    TRectPx TabControl;
    // spbtnBack, spbtnNext, spbtnUpdir, spbtnDirCopy, spbtnDirPaste, spbtnCut, spbtnCopy,
    // spbtnPaste
    TRectPx Buttons[8];
    TRectPx MaskBox;
};

LayoutResult ComputeLayout(const LayoutInput& in);

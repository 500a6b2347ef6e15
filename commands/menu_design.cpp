// The main window's menus as designed. Bookmarks, the user's popup commands and the
// shortcut keys of the settings file are added to these at start-up.
#include "commands/menu_model.h"
#include "commands/shortcut_text.h"

namespace {

TMenuItem Item(const char* name, const char* caption, int shortCut = 0, int tag = 0) {
    TMenuItem item;
    item.Name = name;
    item.Caption = caption;
    item.ShortCut = shortCut;
    item.Tag = tag;
    return item;
}

TMenuItem Separator(const char* name = "") { return Item(name, "-"); }

TMenuItem Sub(const char* name, const char* caption, std::vector<TMenuItem> items) {
    TMenuItem item = Item(name, caption);
    item.Items = std::move(items);
    return item;
}

TMenuItem Radio(const char* name, const char* caption, int shortCut, int tag) {
    TMenuItem item = Item(name, caption, shortCut, tag);
    item.RadioItem = true;
    return item;
}

constexpr int Ctrl(int key) { return ShortCut(key, false, true); }
constexpr int ShiftCtrl(int key) { return ShortCut(key, true, true); }
constexpr int Alt(int key) { return ShortCut(key, false, false, true); }
constexpr int Shift(int key) { return ShortCut(key, true); }

}  // namespace

// One item a line, as the menus read top to bottom.
// clang-format off
TMenuItem MainMenuDesign() {
    TMenuItem root = Item("MainMenu1", "");
    root.Items = {
        Sub("F1", "ﾌｧｲﾙ(&F)",
            {Item("mnNewTab", "新規ﾀﾌﾞ(&N)", Ctrl('T')),
             Item("N11", "ﾄﾞﾗｲﾌﾞ(&D)"),
             Item("mnCloseTab", "ﾀﾌﾞを閉じる(&C)", Alt(vk::F(3))),
             Separator(),
             Item("mnRename", "名前変更(&R)", vk::F(2)),
             Item("mnDelete", "削除(ゴミ箱)", vk::Delete),
             Item("mnDelete2", "削除", Shift(vk::Delete), 1),
             Item("mnInsDir", "新規ﾌｫﾙﾀﾞ", vk::Insert),
             Item("mnNewFile", "新規ﾌｧｲﾙ", ShiftCtrl('N')),
             Item("mnMakeShortcut", "ｼｮｰﾄｶｯﾄ作成(&L)", ShiftCtrl('L')),
             Item("mnReplication", "ﾌｧｲﾙの複製(&R)", ShiftCtrl('R')),
             Item("Find1", "検索(&S)", Alt('S')),
             Separator(),
             Item("mnAddBookmark", "栞に追加(&B)", Ctrl('D')),
             Sub("KO1", "設定(&O)",
                 {Item("mnSetExt", "拡張子別ｱﾌﾟﾘｹｰｼｮﾝ(&E)", ShiftCtrl('A')),
                  Item("mnSetPopup", "ﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰ(&P)", ShiftCtrl('P')),
                  Item("mnSetBookmark", "栞の編集(&B)", ShiftCtrl('B')),
                  Item("mnSetMask", "ﾏｽｸの編集(&M)", ShiftCtrl('M')),
                  Item("mnSetMenusk", "ﾒﾆｭｰのｼｮｰﾄｶｯﾄｷｰ(&S)"),
                  Item("mnSetFont", "文字(&F)"),
                  Item("mnSetBackColor", "背景色(&H)"),
                  Item("mnSetEtc", "その他の設定(&O)"),
                  Item("mnSetSave", "設定を保存", Ctrl('S')),
                  Item("mnSetUpdate", "ｱｯﾌﾟﾃﾞｰﾄ")}),
             Separator(),
             Item("mnQuit", "終了(&Q)", Ctrl('Q'))}),
        Sub("E1", "編集(&E)",
            {Item("mnCut", "切り取り(&T)", Ctrl('X'), 1),
             Item("mnCopy", "ｺﾋﾟｰ(&C)", Ctrl('C')),
             Item("mnPaste", "貼り付け(&P)", Ctrl('V')),
             Separator(),
             Item("mnCopyDirn", "ﾌｫﾙﾀﾞ名ｺﾋﾟｰ(&D)", vk::F(4)),
             Item("mnOpenClipDir", "ｸﾘｯﾌﾟのﾌｫﾙﾀﾞを開く", Ctrl(vk::F(4))),
             Item("mnCopyFullpath", "ﾌﾙﾊﾟｽをｺﾋﾟｰ"),
             Item("mnCopyFilen", "ﾌｧｲﾙ名ｺﾋﾟｰ(&F)"),
             Item("mnDragStart", "次選択したｱﾌﾟﾘにﾄﾞﾗｯｸﾞ", Alt('D')),
             Separator(),
             Item("mnSelectAll", "全て選択(&A)", Ctrl('A'))}),
        Sub("V1", "表示(&V)",
            {Item("mnNextTab", "次のﾀﾌﾞ(&N)", vk::F(6)),
             Item("mnBackTab", "前のﾀﾌﾞ(&B)", Shift(vk::F(6))),
             Separator(),
             Sub("S1", "ｿｰﾄ(&S)",
                 {Radio("mnSortName", "名前(&N)", ShiftCtrl('N'), 0),
                  Radio("mnSortSize", "ｻｲｽﾞ(&S)", ShiftCtrl('S'), 1),
                  Radio("mnSortExt", "種類(&E)", ShiftCtrl('E'), 2),
                  Radio("mnSortTime", "更新日時(&T)", ShiftCtrl('T'), 3)}),
             Separator(),
             Item("mnDetail", "詳細(&D)", ShiftCtrl('D')),
             Item("mnHiddenFile", "隠しﾌｧｲﾙ(&H)"),
             Item("mnQuickMask", "ｸｲｯｸﾏｽｸ(&Q)", Ctrl('M')),
             Item("mnMask", "ﾏｽｸ(&M)"),
             Item("mnHyojisu", "表示数制限(&Y)"),
             Item("mnPopup", "ﾎﾟｯﾌﾟｱｯﾌﾟ", Alt('P')),
             Separator(),
             Item("mnRefresh", "更新(&R)", vk::F(5)),
             Separator(),
             Item("mnHelp", "ﾍﾙﾌﾟ(&H)", vk::F(1)),
             Item("mnAbout", "ﾊﾞｰｼﾞｮﾝ(&A)")}),
        Sub("B1", "栞(&B)", {Item("mnDesktop", "ﾃﾞｽｸﾄｯﾌﾟ", vk::F(3))}),
    };
    return root;
}

TMenuItem FileListPopupDesign() {
    TMenuItem root = Item("PopupMenu1", "");
    root.Items = {
        Sub("S2", "ｿｰﾄ(&S)",
            {Radio("popSortName", "名前(&N)", 0, 0), Radio("popSortSize", "ｻｲｽﾞ(&S)", 0, 1),
             Radio("popSortExt", "種類(&E)", 0, 2), Radio("popSortTime", "更新日時(&T)", 0, 3)}),
        Separator("N8"),
    };
    return root;
}

TMenuItem TabPopupDesign() {
    TMenuItem root = Item("PopupMenu2", "");
    root.Items = {Item("KN1", "新規ﾀﾌﾞ(&N)"), Item("popDirDelete", "ﾌｫﾙﾀﾞ削除"),
                  Item("D1", "ﾄﾞﾗｲﾌﾞ"), Item("KC1", "ﾀﾌﾞを閉じる(&C)")};
    return root;
}
// clang-format on

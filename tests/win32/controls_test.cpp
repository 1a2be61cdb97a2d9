// The controls of the main window over their Windows counterparts.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/design.h"
#include "app/glyphora_window_win32.h"
#include "bench/gdi_objects_win32.h"

namespace typelens::win32 {
namespace {

struct Host {
    HWND parent, control;
    Host(const wchar_t* kind, DWORD style) {
        InitCommonControls();
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                 nullptr, nullptr);
        control = CreateWindowExW(0, kind, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 300,
                                  parent, nullptr, nullptr, nullptr);
    }
    ~Host() { DestroyWindow(parent); }
};

LOGFONTA FontOf(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

TEST(Controls, TreeAndListKeepTheirKeysAndShowNamesInOrder) {
    Host tree(WC_TREEVIEWW, 0);
    TreeViewFolderTree Dir1(tree.control);
    Dir1.beginFill();
    EXPECT_TRUE(Dir1.add(std::nullopt, "C:\\beta", "beta", 1));
    EXPECT_TRUE(Dir1.add(std::nullopt, "C:\\Alpha", "Alpha", 1));
    EXPECT_FALSE(Dir1.add(std::nullopt, "C:\\Alpha", "Alpha", 1));
    Dir1.endFill(std::nullopt);
    const auto node = [](HTREEITEM item) { return NodeId{reinterpret_cast<std::uintptr_t>(item)}; };
    const NodeId alpha = node(TreeView_GetRoot(tree.control));
    const NodeId beta = node(TreeView_GetNextSibling(tree.control, TreeView_GetRoot(tree.control)));
    EXPECT_EQ(Dir1.key(alpha) + Dir1.key(beta), "C:\\AlphaC:\\beta");
    EXPECT_TRUE(Dir1.add(beta, "C:\\beta\\sub", "sub", 1));  // outside a fill: at once
    EXPECT_EQ(Dir1.children(beta), 1);
    EXPECT_EQ(Dir1.selected(), std::nullopt);
    TreeView_SelectItem(tree.control, reinterpret_cast<HTREEITEM>(beta.value));
    EXPECT_EQ(Dir1.key(*Dir1.selected()), "C:\\beta");
    Dir1.clear();
    EXPECT_TRUE(Dir1.add(std::nullopt, "C:\\Alpha", "Alpha", 1));  // the key is free again

    Host list(WC_LISTVIEWW, LVS_LIST | LVS_SINGLESEL | LVS_OWNERDATA);
    ListViewFileList File1(list.control);
    File1.beginFill();
    for (std::string name : {"b.ttf", "C.TTF", "a.ttf"}) File1.add("D:\\f\\" + name, name, 2);
    File1.endFill();
    EXPECT_EQ(ListView_GetItemCount(list.control), 3);
    EXPECT_EQ(File1.selected(), std::nullopt);
    ListView_SetItemState(list.control, 2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(File1.selected()->key + File1.selected()->text, "D:\\f\\C.TTFC.TTF");
    wchar_t text[16] = {};
    NMLVDISPINFOW shown{};
    shown.item = {LVIF_TEXT | LVIF_IMAGE, 0, 0, 0, 0, text, 16};
    File1.describe(shown);
    EXPECT_STREQ(text, L"a.ttf");
    EXPECT_EQ(shown.item.iImage, 1);
    NMLVFINDITEMW typed{};
    typed.lvfi = {LVFI_STRING | LVFI_PARTIAL, L"c"};
    EXPECT_EQ(File1.find(typed), 2);
    File1.clear();
    EXPECT_EQ(File1.selected(), std::nullopt);
}

TEST(Controls, ThePreviewFontChangesOneAttributeAtATimeAndLeaksNone) {
    Host edit(L"EDIT", ES_MULTILINE);
    EditPreviewFont font;
    font.attach(edit.control, "Arial", 36, 204, 96);
    EXPECT_EQ(FontOf(edit.control).lfHeight, -48);
    EXPECT_EQ(FontOf(edit.control).lfCharSet, 204);
    EXPECT_TRUE(font.setBold(true) && font.setItalic(true) && font.setFace("Tahoma", 0) &&
                font.setSize(72) && font.setBold(false));
    const LOGFONTA styled = FontOf(edit.control);
    EXPECT_STREQ(styled.lfFaceName, "Tahoma");
    EXPECT_EQ(styled.lfHeight, -96);
    EXPECT_EQ(styled.lfWeight, FW_NORMAL);
    EXPECT_TRUE(styled.lfItalic);
    EXPECT_EQ(styled.lfCharSet, 0);  // the face's, kept by every other attribute
    EXPECT_TRUE(font.setSize(0.1f));
    EXPECT_EQ(FontOf(edit.control).lfHeight, -1);  // never 0, which would mean any size
    EXPECT_FALSE(font.setFace(std::string(40, 'x'), 0));
    const std::size_t gdi = GdiObjectCount();
    for (int i = 0; i < 50; ++i) font.setItalic(i % 2 == 0);
    EXPECT_EQ(GdiObjectCount(), gdi);
}

TEST(Controls, TheMainWindowsControlsCarryTheirDesignedFonts) {
    GlyphoraWindow window;
    window.show();
    const auto control = [&](int id) {
        HWND found = GetDlgItem(window.hwnd(), id);
        return found ? found : GetDlgItem(GetDlgItem(window.hwnd(), control_id::Toolbar1), id);
    };
    for (const auto& [id, face, height, weight] :
         {std::tuple{control_id::Drive1, "MS Sans Serif", -11, FW_NORMAL},
          std::tuple{control_id::cmbSize, "Tahoma", -13, FW_BOLD},
          std::tuple{control_id::Dir1, "Tahoma", -11, FW_NORMAL},
          std::tuple{control_id::txPreview, "Arial", -48, FW_NORMAL}}) {
        const LOGFONTA font = FontOf(control(id));
        EXPECT_STREQ(font.lfFaceName, face) << id;
        EXPECT_EQ(font.lfHeight, height) << id;
        EXPECT_EQ(font.lfWeight, weight) << id;
    }
    EXPECT_EQ(FontOf(control(control_id::txPreview)).lfCharSet, 204);
    WindowText size(control(control_id::cmbSize));
    EXPECT_TRUE(size.setText("12abc"));
    EXPECT_EQ(size.text(), "12abc");
}

}  // namespace
}  // namespace typelens::win32

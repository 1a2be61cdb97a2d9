#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "platform/controls_win32.h"
#include "platform/gdi_objects_win32.h"

namespace typelens::win32 {
namespace {

// A parent window holding one control of `kind`.
struct Host {
    HWND parent = nullptr;
    HWND control = nullptr;
    Host(const char* kind, DWORD style) {
        InitCommonControls();
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                 nullptr, nullptr);
        control = CreateWindowExA(0, kind, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 300,
                                  parent, nullptr, nullptr, nullptr);
    }
    ~Host() { DestroyWindow(parent); }
};

TEST(TreeViewFolderTree, KeepsKeysAndSortsNamesWithoutRegardToCase) {
    Host host(WC_TREEVIEWA, 0);
    TreeViewFolderTree tree(host.control);

    tree.beginFill();
    const auto beta = tree.add(std::nullopt, "C:\\beta", "beta", 1);
    const auto alpha = tree.add(std::nullopt, "C:\\Alpha", "Alpha", 1);
    EXPECT_EQ(tree.add(std::nullopt, "C:\\Alpha", "Alpha", 1), std::nullopt);
    tree.endFill(std::nullopt);
    ASSERT_TRUE(beta && alpha);
    EXPECT_EQ(TreeView_GetRoot(host.control), reinterpret_cast<HTREEITEM>(alpha->value));

    tree.beginFill();
    for (const char* name : {"zeta", "Eta", "delta"}) {
        ASSERT_TRUE(tree.add(beta, std::string("C:\\beta\\") + name, name, 1));
    }
    tree.endFill(beta);
    EXPECT_EQ(tree.children(*beta), 3);
    EXPECT_EQ(tree.children(*alpha), 0);
    EXPECT_TRUE(tree.expand(*beta));
    HTREEITEM first = TreeView_GetChild(host.control, reinterpret_cast<HTREEITEM>(beta->value));
    EXPECT_EQ(tree.key(NodeId{reinterpret_cast<std::uintptr_t>(first)}), "C:\\beta\\delta");

    EXPECT_EQ(tree.selected(), std::nullopt);
    TreeView_SelectItem(host.control, reinterpret_cast<HTREEITEM>(beta->value));
    EXPECT_EQ(tree.selected(), beta);
    EXPECT_EQ(tree.key(*beta), "C:\\beta");

    tree.clear();
    EXPECT_EQ(TreeView_GetCount(host.control), 0u);
    EXPECT_TRUE(tree.add(std::nullopt, "C:\\Alpha", "Alpha", 1));  // its key is free again
}

TEST(ListViewFileList, ItemsCarryTheirKeys) {
    Host host(WC_LISTVIEWA, LVS_LIST | LVS_SINGLESEL);
    ListViewFileList list(host.control);

    list.beginFill();
    for (const char* name : {"b.ttf", "C.TTF", "a.ttf"}) {
        EXPECT_TRUE(list.add(std::string("D:\\fonts\\") + name, name, 2));
    }
    list.endFill();
    EXPECT_EQ(list.selected(), std::nullopt);

    ListView_SetItemState(host.control, 2, LVIS_SELECTED, LVIS_SELECTED);
    const auto item = list.selected();
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text, "C.TTF");
    EXPECT_EQ(item->key, "D:\\fonts\\C.TTF");

    list.clear();
    EXPECT_EQ(ListView_GetItemCount(host.control), 0);
    EXPECT_EQ(list.selected(), std::nullopt);
}

TEST(EditPreviewFont, EachSetterChangesOnlyItsOwnAttribute) {
    Host host("EDIT", ES_MULTILINE);
    EditPreviewFont font;
    font.attach(host.control, "Arial", 36, 204, 96);
    const auto current = [&] {
        LOGFONTA now{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(host.control, WM_GETFONT, 0, 0)),
                   sizeof now, &now);
        return now;
    };
    EXPECT_EQ(current().lfHeight, -48);
    EXPECT_EQ(current().lfCharSet, 204);

    EXPECT_TRUE(font.setBold(true));
    EXPECT_TRUE(font.setItalic(true));
    EXPECT_TRUE(font.setSize(72));
    EXPECT_TRUE(font.setFace("Tahoma"));
    const LOGFONTA styled = current();
    EXPECT_STREQ(styled.lfFaceName, "Tahoma");
    EXPECT_EQ(styled.lfHeight, -96);
    EXPECT_EQ(styled.lfWeight, FW_BOLD);
    EXPECT_TRUE(styled.lfItalic);
    EXPECT_EQ(styled.lfCharSet, 204);

    EXPECT_TRUE(font.setBold(false));
    EXPECT_EQ(current().lfWeight, FW_NORMAL);
    EXPECT_TRUE(current().lfItalic);
    EXPECT_TRUE(font.setSize(0.1f));
    EXPECT_EQ(current().lfHeight, -1);  // never 0, which would mean "any size"
    EXPECT_FALSE(font.setFace(std::string(40, 'x')));
    EXPECT_STREQ(current().lfFaceName, "Tahoma");

    const std::size_t gdi = GdiObjectCount();
    for (int i = 0; i < 100; ++i) font.setItalic(i % 2 == 0);
    EXPECT_EQ(GdiObjectCount(), gdi);
}

TEST(WindowText, ReadsAndWritesAComboBoxsEditPart) {
    Host host("COMBOBOX", CBS_DROPDOWN);
    WindowText text(host.control);
    EXPECT_EQ(text.text(), "");
    EXPECT_TRUE(text.setText("12abc"));
    EXPECT_EQ(text.text(), "12abc");
    const std::string long_(5000, 'x');
    EXPECT_TRUE(text.setText(long_));
    EXPECT_EQ(text.text().size(), 5000u);
}

}  // namespace
}  // namespace typelens::win32

// Each View operation on the real controls of a page, each control's events
// reaching the page, an invalid entry holding the tab and the Enter key,
// under Wine.
#include "cfgui/page.h"
#include "cfgui/win32/win32_text.h"
#include "cfgui/win32/win32_view.h"
#include "regs/field_values.h"
#include "tests/cfgui/win32/gui_harness.h"
#include "tests/cfgui/win32/test_page.h"
#include "tests/cfgui/win32/test_resource.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace k7r::cfgui::gui {
namespace {

class ViewGui : public ::testing::Test {
  protected:
    HWND Control(int id) const { return session.Control(id); }
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(Control(id), message, wParam, lParam);
    }
    // A list view column's title and alignment.
    static std::pair<std::string, int> Column(HWND list, int column) {
        char title[32] = {};
        LVCOLUMNA read{};
        read.mask = LVCF_TEXT | LVCF_FMT;
        read.pszText = title;
        read.cchTextMax = sizeof title;
        SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&read));
        return {title, read.fmt & LVCFMT_JUSTIFYMASK};
    }

    Session session{PagesWithTestPage()};
    win32::Win32View view{session.Page()};
};

TEST_F(ViewGui, TextsStatesAndFocus) {
    view.SetText(IDC_TEST_NEXT, "abc");
    EXPECT_EQ(win32::WindowText(Control(IDC_TEST_NEXT)), "abc");
    EXPECT_EQ(view.Text(IDC_TEST_NEXT), "abc");
    view.SetChecked(IDC_TEST_BOX, true);
    EXPECT_EQ(IsDlgButtonChecked(session.Page(), IDC_TEST_BOX), BST_CHECKED);
    EXPECT_TRUE(view.Checked(IDC_TEST_BOX));
    view.Enable(IDC_TEST_BOX, false);
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_TEST_BOX)));
    view.Show(IDC_TEST_BOX, false);
    EXPECT_FALSE(IsWindowVisible(Control(IDC_TEST_BOX)));

    view.SetTextLimit(IDC_TEST_NEXT, 5);
    EXPECT_EQ(Send(IDC_TEST_NEXT, EM_GETLIMITTEXT), 5);
    view.Focus(IDC_TEST_NEXT);
    EXPECT_EQ(GetFocus(), Control(IDC_TEST_NEXT));
    view.SelectAllText(IDC_TEST_NEXT);
    EXPECT_EQ(Send(IDC_TEST_NEXT, EM_GETSEL), MAKELRESULT(0, 3)) << "all three selected";
    EXPECT_EQ(view.Text(9999), "") << "a control the page does not have";
}

TEST_F(ViewGui, ItemsOfDropDownListsAndListBoxes) {
    for (const int list : {IDC_TEST_COMBO, IDC_TEST_LIST_BOX}) {
        view.AddItem(list, "one");
        view.AddItem(list, "two");
        EXPECT_EQ(view.ItemCount(list), 2) << list;
        EXPECT_EQ(view.ItemText(list, 1), "two") << list;
        EXPECT_EQ(view.Selection(list), -1) << list;
        view.Select(list, 1);
        EXPECT_EQ(view.Selection(list), 1) << list;
        view.ClearItems(list);
        EXPECT_EQ(view.ItemCount(list), 0) << list;
    }
    view.SetDroppedWidth(IDC_TEST_COMBO, 200);
    EXPECT_EQ(Send(IDC_TEST_COMBO, CB_GETDROPPEDWIDTH), 200);
    view.SetTextLimit(IDC_TEST_COMBO, 4);
    const HWND field = FindWindowExA(Control(IDC_TEST_COMBO), nullptr, WC_EDITA, nullptr);
    EXPECT_EQ(SendMessageA(field, EM_GETLIMITTEXT, 0, 0), 4);
}

// The page set the list's columns (a right-aligned first one), lines and
// selection when it opened.
TEST_F(ViewGui, ReportListColumnsLinesAndLook) {
    const HWND list = Control(IDC_TEST_LIST);
    EXPECT_EQ(view.LineText(IDC_TEST_LIST, 1, 0), "22");
    EXPECT_EQ(view.LineText(IDC_TEST_LIST, 1, 1), "second");
    EXPECT_EQ(view.ItemText(IDC_TEST_LIST, 0), "1");
    EXPECT_EQ(view.Selection(IDC_TEST_LIST), 1);
    // The list view draws its own first column to the left whatever its
    // format: the right-aligned column shown first is not that one.
    int order[2] = {};
    ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(order)));
    EXPECT_EQ(Column(list, order[0]), std::make_pair(std::string("Value"), LVCFMT_RIGHT));
    EXPECT_EQ(Column(list, order[1]).first, "Feature");
    EXPECT_GT(SendMessageA(list, LVM_GETCOLUMNWIDTH, order[1], 0),
              SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("Feature")));

    view.SetLine(IDC_TEST_LIST, 2, std::vector<std::string>{"333", "third"});
    view.AddItem(IDC_TEST_LIST, "4");
    EXPECT_EQ(view.ItemCount(IDC_TEST_LIST), 4);
    EXPECT_EQ(view.LineText(IDC_TEST_LIST, 2, 1), "third");
    view.SetClickableLines(IDC_TEST_LIST);
    EXPECT_NE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT, 0);
    view.SetListBackground(IDC_TEST_LIST, kDarkRed);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETBKCOLOR, 0, 0)), RGB(175, 0, 0));
    view.ClearItems(IDC_TEST_LIST);
    EXPECT_EQ(view.ItemCount(IDC_TEST_LIST), 0);
}

TEST_F(ViewGui, RangesAndPositionsOfSpinButtonsAndSliders) {
    view.SetRange(IDC_TEST_SPIN, 8, 1024);
    view.SetPosition(IDC_TEST_SPIN, 400);
    EXPECT_EQ(Send(IDC_TEST_SPIN, UDM_GETRANGE), MAKELRESULT(1024, 8)) << "8 to 1024";
    EXPECT_EQ(Send(IDC_TEST_SPIN, UDM_GETPOS32), 400);
    const View::SpinAcceleration steps[] = {{0, 8}, {2, 32}};
    view.SetSpinAcceleration(IDC_TEST_SPIN, steps);
    UDACCEL read[2] = {};
    ASSERT_EQ(Send(IDC_TEST_SPIN, UDM_GETACCEL, 2, reinterpret_cast<LPARAM>(read)), 2);
    EXPECT_EQ(read[1].nSec, 2u);
    EXPECT_EQ(read[1].nInc, 32u);

    view.SetRange(IDC_TEST_SLIDER, 10, 20);
    view.SetPosition(IDC_TEST_SLIDER, 15);
    EXPECT_EQ(Send(IDC_TEST_SLIDER, PBM_GETRANGE, TRUE), 10);
    EXPECT_EQ(Send(IDC_TEST_SLIDER, PBM_GETRANGE, FALSE), 20);
    EXPECT_EQ(Send(IDC_TEST_SLIDER, PBM_GETPOS), 15);
}

// The slider is attached to the next field in steps of 8, from 0 to 100.
TEST_F(ViewGui, SliderFollowsTheMouseInStepsIntoItsField) {
    const HWND slider = Control(IDC_TEST_SLIDER);
    RECT client;
    GetClientRect(slider, &client);
    const int x = (client.right - 1) * 35 / 100; // 35 raised to the step: 40
    SendMessageA(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 2));
    EXPECT_EQ(GetCapture(), slider);
    EXPECT_EQ(GetFocus(), Control(IDC_TEST_NEXT));
    EXPECT_EQ(win32::WindowText(Control(IDC_TEST_NEXT)), "40");
    SendMessageA(slider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right + 50, 2));
    SendMessageA(slider, WM_LBUTTONUP, 0, MAKELPARAM(client.right + 50, 2));
    EXPECT_EQ(GetCapture(), nullptr);
    std::vector<std::string> scrolls;
    std::ranges::copy_if(TestPageEvents(), std::back_inserter(scrolls),
                         [](const std::string& event) { return event.starts_with("9005 "); });
    EXPECT_EQ(scrolls, (std::vector<std::string>{"9005 scroll ThumbPosition 40",
                                                 "9005 scroll ThumbPosition 100"}));
    EXPECT_EQ(Send(IDC_TEST_SLIDER, PBM_GETPOS), 100);
    EXPECT_EQ(win32::WindowText(Control(IDC_TEST_NEXT)), "100");
}

TEST_F(ViewGui, EachControlsEventsReachThePage) {
    Click(Control(IDC_TEST_BOX));
    view.AddItem(IDC_TEST_COMBO, "one");
    PickItem(Control(IDC_TEST_COMBO), 0);
    view.AddItem(IDC_TEST_LIST_BOX, "one");
    SendMessageA(session.Page(), WM_COMMAND, MAKEWPARAM(IDC_TEST_LIST_BOX, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(Control(IDC_TEST_LIST_BOX)));
    ClickLine(Control(IDC_TEST_LIST), 0);
    view.SetRange(IDC_TEST_SPIN, 0, 10);
    view.SetPosition(IDC_TEST_SPIN, 0);
    FocusOn(Control(IDC_TEST_NEXT));
    PressKey(VK_UP); // the spin buttons' arrow key, in their field
    FocusOn(Control(IDC_TEST_BOX));
    const std::vector<std::string> expected = {
        "9006 Clicked",       "9007 SelectionChanged", "9007 SelectionConfirmed",
        "9008 DoubleClicked", "9004 list Click 0",     "9009 scroll ThumbPosition 1",
        "9003 FocusLost",
    };
    // Focus, text and hot line changes come along with the others.
    std::vector<std::string> seen;
    std::ranges::copy_if(TestPageEvents(), std::back_inserter(seen), [&](const std::string& event) {
        return std::ranges::find(expected, event) != expected.end();
    });
    EXPECT_EQ(seen, expected);
}

// A static text with a help row gets a tip, and the page draws it in its
// colour.
TEST_F(ViewGui, NoteHasItsTipAndColour) {
    const HWND note = Control(IDC_TEST_NOTE);
    EXPECT_NE(GetWindowLongPtrA(note, GWL_STYLE) & SS_NOTIFY, 0);
    EXPECT_EQ(session.TipOf(note), "The 58C22 note.");

    const HDC dc = GetDC(note);
    EXPECT_NE(SendMessageA(session.Page(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(note)),
              0);
    EXPECT_EQ(GetTextColor(dc), RGB(175, 0, 0));
    ReleaseDC(note, dc);
}

TEST_F(ViewGui, InvalidEntryHoldsTheTabUntilFixed) {
    ASSERT_TRUE(session.app.active) << "the main window never became active";
    const HWND field = Control(IDC_TEST_FIELD);
    TypeInto(field, "12x");
    EXPECT_FALSE(SelectTab(session, 2));
    EXPECT_EQ(session.app.diagnostics.lock, IDC_TEST_FIELD);
    EXPECT_EQ(session.PaneText().rfind("ERROR: \"12x\" is not a valid Horz Total (must be ", 0), 0u)
        << session.PaneText();
    EXPECT_EQ(GetFocus(), field);
    EXPECT_EQ(win32::WindowText(field), "352") << "the field shows the setting again";

    TypeInto(field, "400");
    EXPECT_TRUE(SelectTab(session, 2));
    EXPECT_EQ(session.app.diagnostics.lock, 0);
    EXPECT_EQ(regs::GetFieldValue(session.app.session.config, kTestSetting), 400u);
}

TEST_F(ViewGui, EnterCommitsAFieldAndReachesAList) {
    TypeInto(Control(IDC_TEST_FIELD), "360");
    PressKey(VK_RETURN);
    EXPECT_TRUE(IsWindow(session.Main()));
    EXPECT_EQ(GetFocus(), Control(IDC_TEST_NEXT));
    EXPECT_EQ(regs::GetFieldValue(session.app.session.config, kTestSetting), 360u);

    FocusOn(Control(IDC_TEST_LIST));
    TestPageEvents().clear();
    PressKey(VK_RETURN);
    EXPECT_EQ(TestPageEvents(), std::vector<std::string>{"9004 list Enter 1"});
}

} // namespace
} // namespace k7r::cfgui::gui

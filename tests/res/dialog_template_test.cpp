// The two dialog templates of the built library, created for real as the
// pages will create them: every control a page works with is there, of the
// kind it needs, where a person can see it, and the exclusive choices
// exclude each other.
#include "dialog_template.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

#include "platform/win32_handles.h"
#include "plugin_module.h"
#include "res/resource_ids.h"

namespace marlow::test {
namespace {

// What the pages need of each control: its class and kind. The positions are
// the template's own business; what must hold of them is checked as
// behaviour below (inside the dialog, inside its group, in reading order).
enum class Kind { kGroupBox, kCheckBox, kRadio, kEdit, kPasswordEdit, kLabel, kPictureList, kList, kFrame };

struct ControlNeed {
    int id;
    Kind kind;
};

const std::vector<ControlNeed> kJobSettingsNeeds = {
    {IDC_ACCESS_GROUP, Kind::kGroupBox},          {IDC_SAVE_ACCESS_CONTROL, Kind::kCheckBox},
    {IDC_ACCESS_USER_NAME, Kind::kEdit},          {IDC_ACCESS_PASSWORD, Kind::kPasswordEdit},
    {IDC_ACCESS_USER_NAME_LABEL, Kind::kLabel},   {IDC_ACCESS_PASSWORD_LABEL, Kind::kLabel},
    {IDC_ACCESS_NOTICE, Kind::kLabel},            {IDC_RESERVE_JOB, Kind::kCheckBox},
    {IDC_REPRINT_JOB, Kind::kRadio},              {IDC_VERIFY_JOB, Kind::kRadio},
    {IDC_CONFIDENTIAL_JOB, Kind::kRadio},         {IDC_JOB_PASSWORD_GROUP, Kind::kGroupBox},
    {IDC_JOB_PASSWORD, Kind::kPasswordEdit},      {IDC_JOB_USER_NAME_GROUP, Kind::kGroupBox},
    {IDC_JOB_USER_NAME, Kind::kEdit},             {IDC_JOB_NAME_GROUP, Kind::kGroupBox},
    {IDC_JOB_NAME, Kind::kEdit},
};

const std::vector<ControlNeed> kLayoutNeeds = {
    {IDC_ORIENTATION_LABEL, Kind::kLabel},     {IDC_ORIENTATION, Kind::kPictureList},
    {IDC_DUPLEX_LABEL, Kind::kLabel},          {IDC_DUPLEX, Kind::kPictureList},
    {IDC_PAGE_ORDER_LABEL, Kind::kLabel},      {IDC_PAGE_ORDER, Kind::kPictureList},
    {IDC_PAGE_FORMAT_GROUP, Kind::kGroupBox},  {IDC_PAGES_PER_SHEET_RADIO, Kind::kRadio},
    {IDC_BOOKLET_RADIO, Kind::kRadio},         {IDC_PAGES_PER_SHEET, Kind::kList},
    {IDC_NUP_DIRECTION_LABEL, Kind::kLabel},   {IDC_NUP_DIRECTION, Kind::kList},
    {IDC_BOOKLET_EDGE_LABEL, Kind::kLabel},    {IDC_BOOKLET_EDGE, Kind::kList},
    {IDC_DRAW_BORDERS, Kind::kCheckBox},       {IDC_PREVIEW_FRAME, Kind::kFrame},
};

// Group boxes and the controls that must lie inside them.
struct Containment {
    int group;
    std::vector<int> members;
};

const std::vector<Containment> kJobSettingsGroups = {
    {IDC_ACCESS_GROUP,
     {IDC_ACCESS_NOTICE, IDC_SAVE_ACCESS_CONTROL, IDC_ACCESS_USER_NAME_LABEL, IDC_ACCESS_USER_NAME,
      IDC_ACCESS_PASSWORD_LABEL, IDC_ACCESS_PASSWORD}},
    {IDC_JOB_PASSWORD_GROUP, {IDC_JOB_PASSWORD}},
    {IDC_JOB_USER_NAME_GROUP, {IDC_JOB_USER_NAME}},
    {IDC_JOB_NAME_GROUP, {IDC_JOB_NAME}},
};

const std::vector<Containment> kLayoutGroups = {
    {IDC_PAGE_FORMAT_GROUP,
     {IDC_PAGES_PER_SHEET_RADIO, IDC_PAGES_PER_SHEET, IDC_NUP_DIRECTION_LABEL, IDC_NUP_DIRECTION,
      IDC_BOOKLET_RADIO, IDC_BOOKLET_EDGE_LABEL, IDC_BOOKLET_EDGE, IDC_DRAW_BORDERS}},
};

bool SameClassName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (towlower(a[i]) != towlower(b[i])) return false;
    }
    return true;
}

const wchar_t* ClassOf(Kind kind) {
    switch (kind) {
    case Kind::kGroupBox:
    case Kind::kCheckBox:
    case Kind::kRadio:
        return L"Button";
    case Kind::kEdit:
    case Kind::kPasswordEdit:
        return L"Edit";
    case Kind::kLabel:
    case Kind::kFrame:
        return L"Static";
    case Kind::kPictureList:
        return L"ComboBoxEx32";
    case Kind::kList:
        return L"ComboBox";
    }
    return L"";
}

// Whether the control behaves as the kind says: its style type, and for the
// password fields that what is typed does not show.
std::string CheckKind(HWND control, Kind kind) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    switch (kind) {
    case Kind::kGroupBox:
        return (style & BS_TYPEMASK) == BS_GROUPBOX ? "" : "not a group box";
    case Kind::kCheckBox:
        return (style & BS_TYPEMASK) == BS_AUTOCHECKBOX ? "" : "not an automatic check box";
    case Kind::kRadio:
        return (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON ? "" : "not an automatic radio button";
    case Kind::kEdit:
        return SendMessageW(control, EM_GETPASSWORDCHAR, 0, 0) == 0 ? "" : "shows a password character";
    case Kind::kPasswordEdit:
        return SendMessageW(control, EM_GETPASSWORDCHAR, 0, 0) != 0 ? "" : "shows what is typed";
    case Kind::kPictureList:
    case Kind::kList:
        return (style & 0x3) == CBS_DROPDOWNLIST ? "" : "not a drop-down list";
    case Kind::kLabel:
    case Kind::kFrame:
        return "";
    }
    return "unknown kind";
}

std::wstring ClassName(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

class DialogTemplateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(m_plugin.Handle(), nullptr) << "marlowui.dll did not load";
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&init);
        m_parent.Reset(CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 800, 800, nullptr,
                                       nullptr, nullptr, nullptr));
        // The tests run on a display (xvfb-run in the test command): without
        // one no window can be made, and that is a failure, not a reason to skip.
        ASSERT_TRUE(m_parent) << "no window could be created (error " << GetLastError()
                              << "); run the tests on a display";
    }

    const void* TemplateData(int id, DWORD* pSize) const {
        HRSRC hInfo = FindResourceW(m_plugin.Handle(), MAKEINTRESOURCEW(id), RT_DIALOG);
        HGLOBAL hData = hInfo != nullptr ? LoadResource(m_plugin.Handle(), hInfo) : nullptr;
        *pSize = hInfo != nullptr ? SizeofResource(m_plugin.Handle(), hInfo) : 0;
        return hData != nullptr ? LockResource(hData) : nullptr;
    }

    DialogTemplate ReadTemplate(int id) const {
        DWORD size = 0;
        const void* pData = TemplateData(id, &size);
        return pData != nullptr ? ReadDialogTemplate(pData, size) : DialogTemplate{};
    }

    // The dialog as a page would get it, enabled so that it takes clicks.
    UniqueWindow CreateDialogFromTemplate(int id) {
        DWORD size = 0;
        auto pTemplate = static_cast<LPCDLGTEMPLATEW>(TemplateData(id, &size));
        if (pTemplate == nullptr) return UniqueWindow();
        UniqueWindow dialog(CreateDialogIndirectParamW(m_plugin.Handle(), pTemplate, m_parent.Get(),
                                                       PlainDialogProc, 0));
        if (dialog) EnableWindow(dialog.Get(), TRUE);
        return dialog;
    }

    void ExpectControls(int dialogId, const std::vector<ControlNeed>& needs,
                        const std::vector<Containment>& groups) {
        UniqueWindow dialog = CreateDialogFromTemplate(dialogId);
        ASSERT_TRUE(dialog) << "dialog " << dialogId << ": error " << GetLastError();
        RECT client = {};
        GetClientRect(dialog.Get(), &client);
        for (const ControlNeed& need : needs) {
            SCOPED_TRACE(testing::Message() << "dialog " << dialogId << ", control " << need.id);
            HWND control = GetDlgItem(dialog.Get(), need.id);
            ASSERT_NE(control, nullptr);
            EXPECT_TRUE(SameClassName(ClassName(control), ClassOf(need.kind)))
                << "class " << std::string(ClassName(control).begin(), ClassName(control).end());
            EXPECT_EQ("", CheckKind(control, need.kind));
            EXPECT_TRUE(IsWindowVisible(control) || !IsWindowVisible(dialog.Get()));
            const RECT r = ControlRect(dialog.Get(), need.id);
            EXPECT_TRUE(r.left >= client.left && r.top >= client.top && r.right <= client.right &&
                        r.bottom <= client.bottom)
                << "lies outside the dialog: " << r.left << "," << r.top << "-" << r.right << ","
                << r.bottom << " in " << client.right << "x" << client.bottom;
        }
        for (const Containment& group : groups) {
            const RECT box = ControlRect(dialog.Get(), group.group);
            for (int member : group.members) {
                const RECT r = ControlRect(dialog.Get(), member);
                EXPECT_TRUE(r.left >= box.left && r.top >= box.top && r.right <= box.right &&
                            r.bottom <= box.bottom)
                    << "control " << member << " lies outside group " << group.group;
            }
        }
    }

    // A control's rectangle in its dialog's client coordinates; empty when
    // there is no such control.
    static RECT ControlRect(HWND dialog, int id) {
        RECT r = {};
        HWND control = GetDlgItem(dialog, id);
        if (control == nullptr) return r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    static bool IsChecked(HWND dialog, int id) {
        return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    }

    PluginModule m_plugin;
    UniqueWindow m_parent;
};

// The dialog itself: a child page template with its caption and the font of
// the platform generation.
TEST_F(DialogTemplateTest, BothTemplatesAreChildPagesInTheGenerationsFont) {
    const std::pair<int, const wchar_t*> dialogs[] = {{IDD_JOB_SETTINGS, L"Job Settings"},
                                                      {IDD_LAYOUT, L"Layout"}};
    for (const auto& [id, caption] : dialogs) {
        SCOPED_TRACE(testing::Message() << "dialog " << id);
        DialogTemplate dialog = ReadTemplate(id);
        ASSERT_TRUE(dialog.bExtended) << "missing or not an extended template";
        EXPECT_EQ(dialog.style & (WS_CHILD | WS_CAPTION | DS_SETFONT),
                  static_cast<std::uint32_t>(WS_CHILD | WS_CAPTION | DS_SETFONT));
        EXPECT_EQ(dialog.caption, caption);
#if _WIN32_WINNT >= 0x0600
        EXPECT_EQ(dialog.typeface, L"MS UI Gothic");
        EXPECT_EQ(dialog.pointSize, 9);
#else
        EXPECT_EQ(dialog.typeface, L"MS Shell Dlg");
        EXPECT_EQ(dialog.pointSize, 8);
#endif
    }
}

TEST_F(DialogTemplateTest, JobSettingsPageGetsEveryControlItNeeds) {
    ExpectControls(IDD_JOB_SETTINGS, kJobSettingsNeeds, kJobSettingsGroups);
}

TEST_F(DialogTemplateTest, LayoutPageGetsEveryControlItNeeds) {
    ExpectControls(IDD_LAYOUT, kLayoutNeeds, kLayoutGroups);
}

// The three stored-job kinds are one exclusive set, shown top to bottom as
// "Verify", "Re-Print", "Confidential".
TEST_F(DialogTemplateTest, StoredJobKindsAreOneExclusiveSetInTheirScreenOrder) {
    UniqueWindow dialog = CreateDialogFromTemplate(IDD_JOB_SETTINGS);
    ASSERT_TRUE(dialog);
    const int kinds[] = {IDC_VERIFY_JOB, IDC_REPRINT_JOB, IDC_CONFIDENTIAL_JOB};
    for (int chosen : kinds) {
        SendDlgItemMessageW(dialog.Get(), chosen, BM_CLICK, 0, 0);
        for (int kind : kinds) {
            EXPECT_EQ(kind == chosen, IsChecked(dialog.Get(), kind))
                << "after a click on " << chosen << ", button " << kind;
        }
    }
    EXPECT_FALSE(IsChecked(dialog.Get(), IDC_RESERVE_JOB)) << "the check box is not in the set";
    EXPECT_LT(ControlRect(dialog.Get(), IDC_VERIFY_JOB).top, ControlRect(dialog.Get(), IDC_REPRINT_JOB).top);
    EXPECT_LT(ControlRect(dialog.Get(), IDC_REPRINT_JOB).top,
              ControlRect(dialog.Get(), IDC_CONFIDENTIAL_JOB).top);
}

TEST_F(DialogTemplateTest, PagesPerSheetAndBookletExcludeEachOther) {
    UniqueWindow dialog = CreateDialogFromTemplate(IDD_LAYOUT);
    ASSERT_TRUE(dialog);
    SendDlgItemMessageW(dialog.Get(), IDC_BOOKLET_RADIO, BM_CLICK, 0, 0);
    EXPECT_TRUE(IsChecked(dialog.Get(), IDC_BOOKLET_RADIO));
    EXPECT_FALSE(IsChecked(dialog.Get(), IDC_PAGES_PER_SHEET_RADIO));
    SendDlgItemMessageW(dialog.Get(), IDC_PAGES_PER_SHEET_RADIO, BM_CLICK, 0, 0);
    EXPECT_TRUE(IsChecked(dialog.Get(), IDC_PAGES_PER_SHEET_RADIO));
    EXPECT_FALSE(IsChecked(dialog.Get(), IDC_BOOKLET_RADIO));
    EXPECT_FALSE(IsChecked(dialog.Get(), IDC_DRAW_BORDERS)) << "the check box is not in the set";
}

}  // namespace
}  // namespace marlow::test

// The two dialog templates of the built library, read as the dialog manager
// reads them, and created for real where a display is available.
#include "dialog_template.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

#include "plugin_module.h"
#include "res/resource_ids.h"

namespace marlow::test {
namespace {

struct ExpectedControl {
    std::int32_t id;
    const wchar_t* className;
    const wchar_t* text;
    std::uint32_t style;
    short x, y, cx, cy;
};

constexpr std::uint32_t kGroupBox = 0x50000007;
constexpr std::uint32_t kCheckBox = 0x50010003;
constexpr std::uint32_t kEdit = 0x50810080;
constexpr std::uint32_t kMaskedEdit = 0x508100A0;
constexpr std::uint32_t kStatic = 0x50020000;
constexpr std::uint32_t kRadio = 0x50000009;
constexpr std::uint32_t kPictureList = 0x50210003;
constexpr std::uint32_t kPlainList = 0x50230103;

const std::vector<ExpectedControl> kJobSettingsControls = {
    {10008, L"Button", L"Job Settings", kGroupBox, 6, 7, 192, 108},
    {10009, L"Button", L"Reserve Job", kCheckBox, 15, 45, 177, 18},
    {10002, L"Edit", L"", kEdit, 85, 63, 93, 15},
    {10004, L"Edit", L"", kMaskedEdit, 85, 85, 93, 15},
    {10005, L"Static", L"User Name:", kStatic, 15, 67, 63, 9},
    {10007, L"Static", L"Password:", kStatic, 15, 89, 63, 9},
    {10029, L"Static", L"Security Setting Description", kStatic, 15, 20, 177, 18},
    {-1, L"Button", L"Reserve Job Settings", kGroupBox, 6, 130, 298, 188},
    {10006, L"Button", L"Reserve Job", kCheckBox, 15, 148, 149, 20},
    {10010, L"Button", L"Re-Print", kRadio, 15, 201, 134, 20},
    {10011, L"Button", L"Verify", kRadio, 15, 177, 138, 20},
    {10012, L"Button", L"Confidential", kRadio, 15, 224, 133, 20},
    {10013, L"Button", L"Password", kGroupBox, 15, 257, 105, 40},
    {10014, L"Edit", L"", kMaskedEdit, 24, 270, 88, 20},
    {10015, L"Button", L"UserName", kGroupBox, 174, 163, 105, 40},
    {10016, L"Edit", L"", kEdit, 183, 176, 88, 20},
    {10017, L"Button", L"JobName", kGroupBox, 174, 223, 105, 40},
    {10018, L"Edit", L"", kEdit, 183, 236, 88, 20},
};

const std::vector<ExpectedControl> kLayoutControls = {
    {11003, L"Static", L"&Orientation:", kStatic, 6, 10, 74, 9},
    {11004, L"ComboBoxEx32", L"", kPictureList, 6, 20, 120, 60},
    {11005, L"Static", L"Print on &Both Sides:", kStatic, 6, 44, 74, 9},
    {11006, L"ComboBoxEx32", L"", kPictureList, 6, 54, 120, 60},
    {11007, L"Static", L"Page O&rder:", kStatic, 6, 78, 74, 9},
    {11008, L"ComboBoxEx32", L"", kPictureList, 6, 88, 120, 60},
    {11009, L"Button", L"Page Format", kGroupBox, 6, 116, 120, 144},
    {11010, L"Button", L"Page&s per Sheet:", kRadio, 10, 126, 85, 21},
    {11011, L"Button", L"Boo&klet", kRadio, 10, 178, 85, 21},
    {11012, L"ComboBox", L"", kPlainList, 97, 130, 25, 30},
    {11013, L"Static", L"Pages per Sheet &Layout:", kStatic, 16, 149, 109, 9},
    {11014, L"ComboBox", L"", kPlainList, 16, 159, 100, 30},
    {11015, L"Static", L"Booklet Binding &Edge:", kStatic, 16, 199, 109, 9},
    {11016, L"ComboBox", L"", kPlainList, 16, 209, 100, 30},
    {11017, L"Button", L"Dra&w Borders:", kCheckBox, 10, 240, 110, 9},
    {11018, L"Static", L"", 0x50000107, 130, 10, 155, 250},
};

bool SameClassName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (towlower(a[i]) != towlower(b[i])) return false;
    }
    return true;
}

class DialogTemplateTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_plugin.Handle(), nullptr) << "marlowui.dll did not load"; }

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

    void ExpectDialog(int id, const wchar_t* caption,
                      const std::vector<ExpectedControl>& controls) {
        DialogTemplate dialog = ReadTemplate(id);
        ASSERT_TRUE(dialog.bExtended) << "dialog " << id << " is missing or not extended";
        EXPECT_EQ(dialog.style, 0x48C80042u);
        EXPECT_EQ(dialog.x, 0);
        EXPECT_EQ(dialog.y, 0);
        EXPECT_EQ(dialog.cx, 320);
        EXPECT_EQ(dialog.cy, 346);
        EXPECT_EQ(dialog.caption, caption);
#if _WIN32_WINNT >= 0x0600
        EXPECT_EQ(dialog.typeface, L"MS UI Gothic");
        EXPECT_EQ(dialog.pointSize, 9);
        EXPECT_EQ(dialog.weight, 0);
        EXPECT_EQ(dialog.charset, 1);
#else
        EXPECT_EQ(dialog.typeface, L"MS Shell Dlg");
        EXPECT_EQ(dialog.pointSize, 8);
        EXPECT_EQ(dialog.weight, 400);
        EXPECT_EQ(dialog.charset, 128);
#endif
        EXPECT_EQ(dialog.italic, 0);
        ASSERT_EQ(dialog.controls.size(), controls.size());
        for (size_t i = 0; i < controls.size(); ++i) {
            const DialogControl& actual = dialog.controls[i];
            const ExpectedControl& expected = controls[i];
            SCOPED_TRACE(testing::Message() << "control #" << i << ", id " << expected.id);
            EXPECT_EQ(actual.id, expected.id);
            EXPECT_TRUE(SameClassName(actual.className, expected.className));
            EXPECT_EQ(actual.text, expected.text);
            EXPECT_EQ(actual.style, expected.style);
            EXPECT_EQ(actual.exStyle, 0u);
            EXPECT_EQ(actual.x, expected.x);
            EXPECT_EQ(actual.y, expected.y);
            EXPECT_EQ(actual.cx, expected.cx);
            EXPECT_EQ(actual.cy, expected.cy);
        }
    }

    PluginModule m_plugin;
};

TEST_F(DialogTemplateTest, JobSettingsTemplateHasItsEighteenControls) {
    ExpectDialog(IDD_JOB_SETTINGS, L"Job Settings", kJobSettingsControls);
}

TEST_F(DialogTemplateTest, LayoutTemplateHasItsSixteenControls) {
    ExpectDialog(IDD_LAYOUT, L"Layout", kLayoutControls);
}

// A window that is destroyed with the object.
class Window {
public:
    explicit Window(HWND hWnd) : m_hWnd(hWnd) {}
    ~Window() {
        if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST_F(DialogTemplateTest, BothTemplatesCreateEveryControl) {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&init);
    Window parent(CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 800, 800, nullptr, nullptr,
                                  nullptr, nullptr));
    if (parent.Get() == nullptr) {
        GTEST_SKIP() << "no display to create windows on (error " << GetLastError() << ")";
    }
    const std::pair<int, const std::vector<ExpectedControl>*> dialogs[] = {
        {IDD_JOB_SETTINGS, &kJobSettingsControls}, {IDD_LAYOUT, &kLayoutControls}};
    for (const auto& [id, controls] : dialogs) {
        SCOPED_TRACE(testing::Message() << "dialog " << id);
        DWORD size = 0;
        auto pTemplate = static_cast<LPCDLGTEMPLATEW>(TemplateData(id, &size));
        ASSERT_NE(pTemplate, nullptr);
        Window dialog(CreateDialogIndirectParamW(m_plugin.Handle(), pTemplate, parent.Get(),
                                                 PlainDialogProc, 0));
        ASSERT_NE(dialog.Get(), nullptr) << "error " << GetLastError();
        for (const ExpectedControl& expected : *controls) {
            if (expected.id == -1) continue;
            HWND hControl = GetDlgItem(dialog.Get(), expected.id);
            ASSERT_NE(hControl, nullptr) << "control " << expected.id;
            wchar_t className[64] = {};
            GetClassNameW(hControl, className, 64);
            EXPECT_TRUE(SameClassName(className, expected.className)) << "control " << expected.id;
        }
    }
}

}  // namespace
}  // namespace marlow::test

// The manifest the plug-in's activation context is made from, and the
// library's version block.
#include <gtest/gtest.h>

#include <string>

#include "core/activation_context_api.h"
#include "plugin_module.h"
#include "res/resource_ids.h"

namespace marlow::test {
namespace {

#ifdef _WIN64
constexpr const char* kArchitecture = "AMD64";
#else
constexpr const char* kArchitecture = "x86";
#endif

class ManifestAndVersionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_plugin.Handle(), nullptr) << "marlowui.dll did not load"; }

    std::string ManifestText() const {
        HRSRC hInfo =
            FindResourceExW(m_plugin.Handle(), RT_MANIFEST, MAKEINTRESOURCEW(IDR_MANIFEST),
                            MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        HGLOBAL hData = hInfo != nullptr ? LoadResource(m_plugin.Handle(), hInfo) : nullptr;
        const char* p = hData != nullptr ? static_cast<const char*>(LockResource(hData)) : nullptr;
        return p != nullptr ? std::string(p, SizeofResource(m_plugin.Handle(), hInfo))
                            : std::string();
    }

    PluginModule m_plugin;
};

TEST_F(ManifestAndVersionTest, ManifestNamesTheAssemblyAndCommonControlsSix) {
    std::string text = ManifestText();
    ASSERT_FALSE(text.empty()) << "no manifest 2 in language 1033";
    std::string architecture = std::string("processorArchitecture=\"") + kArchitecture + "\"";
    size_t dependency = text.find("<dependency>");
    ASSERT_NE(dependency, std::string::npos);
    std::string own = text.substr(0, dependency), dependent = text.substr(dependency);
    EXPECT_NE(own.find("name=\"Vantor.PrinterDriver.marlowui\""), std::string::npos);
    EXPECT_NE(own.find("version=\"1.0.0.0\""), std::string::npos);
    EXPECT_NE(own.find("type=\"win32\""), std::string::npos);
    EXPECT_NE(own.find(architecture), std::string::npos);
    EXPECT_NE(own.find("<description>marlowui</description>"), std::string::npos);
    EXPECT_NE(dependent.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
    EXPECT_NE(dependent.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(dependent.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
    EXPECT_NE(dependent.find("language=\"*\""), std::string::npos);
    EXPECT_NE(dependent.find(architecture), std::string::npos);
}

TEST_F(ManifestAndVersionTest, ActivationContextFromTheManifestRedirectsCommonControls) {
    ACTCTXW request = {};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = m_plugin.Path().c_str();
    request.lpResourceName = MAKEINTRESOURCEW(IDR_MANIFEST);
    const ActCtxReleasePolicy release(FindReleaseActCtx());
    const UniqueActCtx context(CreateActCtxW(&request), release);
    ASSERT_TRUE(context) << "error " << GetLastError();

    // The dependency resolved: while the context is active, loading the
    // common controls goes to the version 6 assembly.
    UniqueActCtxActivation activation(0, ActCtxDeactivationPolicy(FindDeactivateActCtx()));
    ASSERT_TRUE(ActivateActCtx(context.Get(), activation.Put()));
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof(data);
    ASSERT_TRUE(FindActCtxSectionStringW(FIND_ACTCTX_SECTION_KEY_RETURN_HACTCTX, nullptr,
                                         ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                         L"comctl32.dll", &data))
        << "error " << GetLastError();
    const UniqueActCtx found(data.hActCtx != nullptr ? data.hActCtx : INVALID_HANDLE_VALUE,
                             release);
    EXPECT_EQ(found.Get(), context.Get()) << "redirected by another context";
}

TEST_F(ManifestAndVersionTest, VersionBlockSaysOnePointOneBuildFive) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(m_plugin.Path().c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(m_plugin.Path().c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&pFixed), &length));
    EXPECT_EQ(pFixed->dwFileVersionMS, 0x00010001u);
    EXPECT_EQ(pFixed->dwFileVersionLS, 0x00000005u);
    EXPECT_EQ(pFixed->dwProductVersionMS, 0x00010001u);
    EXPECT_EQ(pFixed->dwProductVersionLS, 0x00000005u);
    EXPECT_EQ(pFixed->dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
    EXPECT_EQ(pFixed->dwFileType, static_cast<DWORD>(VFT_DLL));

    auto text = [&block](const wchar_t* name) {
        std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        wchar_t* pText = nullptr;
        UINT units = 0;
        if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&pText), &units) ||
            pText == nullptr) {
            return std::wstring();
        }
        return std::wstring(pText);
    };
    EXPECT_EQ(text(L"FileVersion"), L"1, 1, 0, 5");
    EXPECT_EQ(text(L"ProductVersion"), L"1, 1, 0, 5");
    EXPECT_FALSE(text(L"CompanyName").empty());
    EXPECT_FALSE(text(L"FileDescription").empty());
    EXPECT_FALSE(text(L"LegalCopyright").empty());
}

}  // namespace
}  // namespace marlow::test

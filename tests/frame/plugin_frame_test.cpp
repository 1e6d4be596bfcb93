// The plug-in as the driver's UI module meets it: loaded by path, asked for
// its class object, then for plug-in objects, then called through
// IPrintOemUI2. Every test loads and unloads the library afresh.
#include "devmode/private_devmode.h"
#include "host/guarded_record.h"
#include "host/plugin_library.h"
#include "host/recording_driver_ui.h"
#include "platform/com_ref.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace marlow {
namespace {

using host::PluginLibrary;
using host::RecordingDriverUI;
using host::UnrelatedInterface;

// {00000000-1111-2222-3333-444455556666}: no interface of ours.
constexpr IID kUnknownIid = {0x0, 0x1111, 0x2222, {0x33, 0x33, 0x44, 0x44, 0x55, 0x55, 0x66, 0x66}};

class PluginFrame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.IsLoaded()) << "LoadLibraryW failed with " << library.LoadError();
    }

    ComRef<IPrintOemUI2> CreatePlugin() {
        ComRef<IPrintOemUI2> plugin;
        EXPECT_EQ(S_OK, library.CreatePluginObject(plugin.Put()));
        return plugin;
    }

    ComRef<IClassFactory> GetFactory() {
        ComRef<IClassFactory> factory;
        EXPECT_EQ(S_OK, library.GetClassObject(CLSID_OEMUI, IID_IClassFactory, factory.PutVoid()));
        return factory;
    }

    PluginLibrary library{host::GetProgramDirectory() + L"marlowui.dll"};
};

// The counts themselves are what these tests look at, so they call AddRef
// and Release by hand; the last reference leaves its holder first.
TEST_F(PluginFrame, HandsOutOneFactoryReferencePerClassObjectRequest) {
    ComRef<IClassFactory> factory = GetFactory();
    ASSERT_TRUE(factory);
    EXPECT_EQ(2u, factory->AddRef());
    EXPECT_EQ(1u, factory->Release());
    EXPECT_EQ(0u, factory.Detach()->Release());

    ComRef<IUnknown> unknown;
    EXPECT_EQ(S_OK, library.GetClassObject(CLSID_OEMUI, IID_IUnknown, unknown.PutVoid()));
    ASSERT_TRUE(unknown);
    EXPECT_EQ(0u, unknown.Detach()->Release());
}

// A caller may release whatever it finds in the out-pointer after a failure:
// it must find null there, whatever it held before.
TEST_F(PluginFrame, RefusesOtherClassesAndInterfacesWithANullPointerAndNoFactory) {
    void* p = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, library.GetClassObject(IID_IPrintOemUI2, IID_IClassFactory, &p));
    EXPECT_EQ(nullptr, p) << "class not available";
    p = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, library.GetClassObject(IID_IPrintOemUI2, kUnknownIid, &p));
    EXPECT_EQ(nullptr, p) << "class and interface unknown";
    p = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, library.GetClassObject(CLSID_OEMUI, kUnknownIid, &p));
    EXPECT_EQ(nullptr, p) << "interface unknown";
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, library.GetClassObject(IID_IPrintOemUI2, IID_IClassFactory, nullptr))
        << "no out-pointer at all";
    EXPECT_EQ(E_POINTER, library.GetClassObject(CLSID_OEMUI, IID_IClassFactory, nullptr));
    EXPECT_EQ(S_OK, library.CanUnloadNow());
}

TEST_F(PluginFrame, CreatesObjectsForTheVersion2InterfaceOnly) {
    ComRef<IClassFactory> factory = GetFactory();
    ASSERT_TRUE(factory);

    ComRef<IPrintOemUI2> plugin;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPrintOemUI2, plugin.PutVoid()));
    EXPECT_EQ(2u, plugin->AddRef());
    EXPECT_EQ(1u, plugin->Release());

    ComRef<IUnknown> unknown;
    ASSERT_EQ(S_OK, plugin->QueryInterface(IID_IUnknown, unknown.PutVoid()));
    EXPECT_EQ(1u, unknown.Detach()->Release());
    EXPECT_EQ(0u, plugin.Detach()->Release());
    EXPECT_EQ(S_OK, library.CanUnloadNow());

    for (const IID& older : {IID_IPrintOemUI, IID_IPrintOemCommon, kUnknownIid}) {
        void* p = reinterpret_cast<void*>(1);
        EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, older, &p));
        EXPECT_EQ(nullptr, p);
        EXPECT_EQ(S_OK, library.CanUnloadNow()) << "the refused object must be gone";
    }

    UnrelatedInterface outer;
    void* p = reinterpret_cast<void*>(1);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(&outer, IID_IPrintOemUI2, &p));
    EXPECT_EQ(nullptr, p);
    EXPECT_EQ(0, outer.QueryInterfaceCalls()) << "the outer object is not asked anything";
    EXPECT_EQ(S_OK, library.CanUnloadNow());
}

TEST_F(PluginFrame, ObjectsAndLocksKeepTheLibraryInUse) {
    ComRef<IPrintOemUI2> plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    EXPECT_EQ(S_FALSE, library.CanUnloadNow());
    plugin.Reset();
    EXPECT_EQ(S_OK, library.CanUnloadNow());

    ComRef<IClassFactory> factory = GetFactory();
    ASSERT_TRUE(factory);
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    factory.Reset();
    EXPECT_EQ(S_FALSE, library.CanUnloadNow());
    factory = GetFactory();
    ASSERT_TRUE(factory);
    EXPECT_EQ(S_OK, factory->LockServer(FALSE));
    factory.Reset();
    EXPECT_EQ(S_OK, library.CanUnloadNow());
}

TEST_F(PluginFrame, GetInfoAnswersSignatureAndVersion) {
    ComRef<IPrintOemUI2> plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    unsigned char buffer[8] = {};
    DWORD needed = 99;
    ASSERT_EQ(S_OK, plugin->GetInfo(OEMGI_GETSIGNATURE, buffer + 1, 4, &needed));  // unaligned
    EXPECT_EQ(4u, needed);
    EXPECT_EQ(0x51565053u, ReadPrivateDevmodeU32(buffer + 1, 0));

    DWORD version = 0;
    ASSERT_EQ(S_OK, plugin->GetInfo(OEMGI_GETVERSION, &version, sizeof(version), &needed));
    EXPECT_EQ(2u, version);
}

TEST_F(PluginFrame, GetInfoReportsBadRequestsThroughTheLastError) {
    ComRef<IPrintOemUI2> plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    DWORD value = 0xDEADBEEF;
    DWORD needed = 99;

    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin->GetInfo(OEMGI_GETSIGNATURE, &value, 4, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());

    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin->GetInfo(OEMGI_GETSIGNATURE, &value, 3, &needed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(4u, needed);
    EXPECT_EQ(0xDEADBEEFu, value);

    needed = 99;
    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin->GetInfo(OEMGI_GETSIGNATURE, nullptr, 4, &needed));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(4u, needed);

    for (DWORD mode : {OEMGI_GETINTERFACEVERSION, OEMGI_GETPUBLISHERINFO,
                       OEMGI_GETREQUESTEDHELPERINTERFACES, DWORD{0}, DWORD{0xFFFFFFFF}}) {
        needed = 99;
        SetLastError(0);
        EXPECT_EQ(E_FAIL, plugin->GetInfo(mode, &value, 4, &needed)) << mode;
        EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_SUPPORTED), GetLastError()) << mode;
        EXPECT_EQ(0u, needed) << mode;
        EXPECT_EQ(0xDEADBEEFu, value);
    }
}

TEST_F(PluginFrame, KeepsTheFirstDriverInterfaceForItsWholeLife) {
    RecordingDriverUI first, second;
    ComRef<IPrintOemUI2> plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    EXPECT_EQ(S_OK, plugin->PublishDriverInterface(&first));
    EXPECT_EQ(2, first.References());

    EXPECT_EQ(S_OK, plugin->PublishDriverInterface(&second));
    EXPECT_EQ(0, second.QueryInterfaceCalls()) << "a later offer is not even asked";
    EXPECT_EQ(1, second.References());

    plugin.Reset();
    EXPECT_EQ(1, first.References()) << "released when the object goes";
}

TEST_F(PluginFrame, AnOfferWithoutTheDriverInterfaceFailsAndLeavesRoomForTheNext) {
    UnrelatedInterface unrelated;
    RecordingDriverUI driverUI;
    ComRef<IPrintOemUI2> plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    EXPECT_EQ(E_FAIL, plugin->PublishDriverInterface(&unrelated));
    EXPECT_EQ(1, unrelated.QueryInterfaceCalls());
    EXPECT_EQ(E_FAIL, plugin->PublishDriverInterface(nullptr));
    EXPECT_EQ(S_OK, plugin->PublishDriverInterface(&driverUI));
    EXPECT_EQ(2, driverUI.References());
    plugin.Reset();
    EXPECT_EQ(1, driverUI.References());
}

TEST_F(PluginFrame, ReleasingAnUnusedObjectTouchesNothing) {
    ComRef<IPrintOemUI2> plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    EXPECT_EQ(0u, plugin.Detach()->Release());
    EXPECT_EQ(S_OK, library.CanUnloadNow());
    library.Unload();  // process detach before any page was shown
    EXPECT_FALSE(library.IsLoaded());
}

TEST_F(PluginFrame, TheTwelveUnusedMethodsAnswerNotImplemented) {
    ComRef<IPrintOemUI2> plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    // Arguments that would crash anything that touched them.
    auto* bad = reinterpret_cast<void*>(static_cast<ULONG_PTR>(0x10));
    EXPECT_EQ(E_NOTIMPL, plugin->DevicePropertySheets(static_cast<PPROPSHEETUI_INFO>(bad), 1));
    EXPECT_EQ(E_NOTIMPL, plugin->DevQueryPrintEx(static_cast<POEMUIOBJ>(bad),
                                                 static_cast<PDEVQUERYPRINT_INFO>(bad),
                                                 static_cast<PDEVMODEW>(bad), bad));
    EXPECT_EQ(E_NOTIMPL, plugin->DeviceCapabilities(static_cast<POEMUIOBJ>(bad), bad,
                                                    static_cast<PWSTR>(bad), DC_BINS, bad,
                                                    static_cast<PDEVMODEW>(bad), bad, 0,
                                                    static_cast<DWORD*>(bad)));
    EXPECT_EQ(E_NOTIMPL, plugin->UpgradePrinter(1, static_cast<PBYTE>(bad)));
    EXPECT_EQ(E_NOTIMPL, plugin->PrinterEvent(static_cast<PWSTR>(bad), 1, 0, 0));
    EXPECT_EQ(E_NOTIMPL, plugin->DriverEvent(1, 3, static_cast<LPBYTE>(bad), 0));
    EXPECT_EQ(E_NOTIMPL, plugin->QueryColorProfile(bad, static_cast<POEMUIOBJ>(bad),
                                                   static_cast<PDEVMODEW>(bad), bad, 0, bad,
                                                   static_cast<ULONG*>(bad),
                                                   static_cast<FLONG*>(bad)));
    EXPECT_EQ(E_NOTIMPL, plugin->FontInstallerDlgProc(static_cast<HWND>(bad), WM_INITDIALOG, 0, 0));
    EXPECT_EQ(E_NOTIMPL, plugin->UpdateExternalFonts(bad, bad, static_cast<PWSTR>(bad)));
    EXPECT_EQ(E_NOTIMPL, plugin->QueryJobAttributes(bad, static_cast<PDEVMODEW>(bad), 4,
                                                    static_cast<LPBYTE>(bad)));
    EXPECT_EQ(E_NOTIMPL, plugin->HideStandardUI(OEMCUIP_DOCPROP));
    INT result = 7;
    EXPECT_EQ(E_NOTIMPL, plugin->DocumentEvent(bad, static_cast<HDC>(bad), 1, 0, bad, 0, bad, &result));
    EXPECT_EQ(7, result);
}

// The driver calls by slot number, not through our declarations: check that
// each method sits in the slot the driver uses.
TEST_F(PluginFrame, MethodsSitInTheDriversSlots) {
    ComRef<IPrintOemUI2> plugin = CreatePlugin();
    ASSERT_TRUE(plugin);
    void** vtable = *reinterpret_cast<void***>(plugin.Get());

    using GetInfoSlot = HRESULT(STDMETHODCALLTYPE*)(void*, DWORD, PVOID, DWORD, PDWORD);
    using DevModeSlot = HRESULT(STDMETHODCALLTYPE*)(void*, DWORD, POEMDMPARAM);
    using OneDwordSlot = HRESULT(STDMETHODCALLTYPE*)(void*, DWORD);
    using UpdateFontsSlot = HRESULT(STDMETHODCALLTYPE*)(void*, HANDLE, HANDLE, PWSTR);

    DWORD signature = 0, needed = 0;
    EXPECT_EQ(S_OK, reinterpret_cast<GetInfoSlot>(vtable[3])(plugin.Get(), OEMGI_GETSIGNATURE, &signature, 4, &needed));
    EXPECT_EQ(0x51565053u, signature);
    OEMDMPARAM param = {};
    param.cbSize = sizeof(param);
    EXPECT_EQ(S_OK, reinterpret_cast<DevModeSlot>(vtable[4])(plugin.Get(), OEMDM_SIZE, &param));
    EXPECT_EQ(172u, param.cbBufSize);
    EXPECT_EQ(E_NOTIMPL, reinterpret_cast<UpdateFontsSlot>(vtable[16])(plugin.Get(), nullptr, nullptr, nullptr));
    EXPECT_EQ(E_NOTIMPL, reinterpret_cast<OneDwordSlot>(vtable[18])(plugin.Get(), OEMCUIP_DOCPROP));
}

class PluginDevMode : public PluginFrame {
protected:
    void SetUp() override {
        PluginFrame::SetUp();
        plugin = CreatePlugin();
        ASSERT_TRUE(plugin);
        param.cbSize = sizeof(param);
    }

    ComRef<IPrintOemUI2> plugin;
    OEMDMPARAM param = {};
};

TEST_F(PluginDevMode, SizeRequestReportsTheSectionSizeOnly) {
    std::vector<unsigned char> out(PRIVATE_DEVMODE_SIZE, 0xCD);
    param.pOEMDMOut = out.data();
    param.cbBufSize = 5;
    EXPECT_EQ(S_OK, plugin->DevMode(OEMDM_SIZE, &param));
    EXPECT_EQ(172u, param.cbBufSize);
    EXPECT_EQ(std::vector<unsigned char>(PRIVATE_DEVMODE_SIZE, 0xCD), out);
}

TEST_F(PluginDevMode, DefaultConvertAndMergeWorkOnTheHostsRecords) {
    std::vector<unsigned char> in(PRIVATE_DEVMODE_SIZE), out(PRIVATE_DEVMODE_SIZE);
    param.pOEMDMIn = in.data();
    param.pOEMDMOut = out.data();
    ASSERT_EQ(S_OK, plugin->DevMode(OEMDM_DEFAULT, &param));
    EXPECT_EQ(PRIVATE_DEVMODE_SIGNATURE, ReadPrivateDevmodeU32(out.data(), 4));

    SetPrivateDevmodeDefaults(in.data());
    WritePrivateDevmodeU32(in.data(), 20, RESERVE_JOB_REPRINT);
    ASSERT_EQ(S_OK, plugin->DevMode(OEMDM_CONVERT, &param));
    EXPECT_EQ(RESERVE_JOB_REPRINT, ReadPrivateDevmodeU32(out.data(), 20));

    WritePrivateDevmodeU32(in.data(), 20, RESERVE_JOB_VERIFY);
    ASSERT_EQ(S_OK, plugin->DevMode(OEMDM_MERGE, &param));
    EXPECT_EQ(RESERVE_JOB_VERIFY, ReadPrivateDevmodeU32(out.data(), 20));
}

// The incoming section lies among the driver-extra bytes of the incoming
// settings, which end on a page of their own: a header claiming a longer
// section is not believed, and a read beyond the settings would fault.
TEST_F(PluginDevMode, MergeReadsNoFurtherThanTheIncomingSettingsGo) {
    constexpr std::size_t kDriverOwn = 16;  // the driver's own bytes before ours
    for (std::size_t available : {std::size_t{40}, std::size_t{6}, std::size_t{0}}) {
        host::GuardedRecord settings(sizeof(DEVMODEW) + kDriverOwn + available);
        ASSERT_TRUE(settings.IsReady());
        auto* publicIn = reinterpret_cast<DEVMODEW*>(settings.Data());
        publicIn->dmSize = sizeof(DEVMODEW);
        publicIn->dmDriverExtra = static_cast<WORD>(kDriverOwn + available);
        unsigned char* section = settings.Data() + sizeof(DEVMODEW) + kDriverOwn;
        std::vector<unsigned char> stored(PRIVATE_DEVMODE_SIZE);
        SetPrivateDevmodeDefaults(stored.data());
        WritePrivateDevmodeU32(stored.data(), 12, 9);
        WritePrivateDevmodeU32(stored.data(), 20, RESERVE_JOB_CONFIDENTIAL);
        WritePrivateDevmodeText(stored.data(), JOB_USER_NAME_TEXT, u"ANNA", 4);
        std::memcpy(section, stored.data(), available);

        std::vector<unsigned char> out(PRIVATE_DEVMODE_SIZE);
        SetPrivateDevmodeDefaults(out.data());
        param.pPublicDMIn = publicIn;
        param.pOEMDMIn = section;
        param.pOEMDMOut = out.data();
        ASSERT_EQ(S_OK, plugin->DevMode(OEMDM_MERGE, &param)) << available;
        EXPECT_EQ(172u, ReadPrivateDevmodeU32(out.data(), 0));
        if (available >= 24) {
            EXPECT_EQ(9u, ReadPrivateDevmodeU32(out.data(), 12));
            EXPECT_EQ(RESERVE_JOB_CONFIDENTIAL, ReadPrivateDevmodeU32(out.data(), 20));
        } else {
            EXPECT_EQ(1u, ReadPrivateDevmodeU32(out.data(), 12)) << "too short for a signature: the defaults";
        }
        // Bytes the section did not have keep the outgoing defaults.
        for (std::size_t i = std::max<std::size_t>(available, 24); i < 166; ++i) {
            ASSERT_EQ(0, out[i]) << "byte " << i << " with " << available << " bytes";
        }
        EXPECT_TRUE(settings.IsFrontIntact());
    }
}

TEST_F(PluginDevMode, MissingRecordsAreNotAFailure) {
    for (DWORD mode : {OEMDM_DEFAULT, OEMDM_CONVERT, OEMDM_MERGE}) {
        EXPECT_EQ(S_OK, plugin->DevMode(mode, &param)) << mode;
    }
}

TEST_F(PluginDevMode, UnknownModesAndAMissingParameterFail) {
    std::vector<unsigned char> out(PRIVATE_DEVMODE_SIZE, 0xCD);
    param.pOEMDMOut = out.data();
    for (DWORD mode : {DWORD{0}, DWORD{5}, DWORD{0x80000000}}) {
        SetLastError(0);
        EXPECT_EQ(E_FAIL, plugin->DevMode(mode, &param)) << mode;
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    }
    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin->DevMode(OEMDM_SIZE, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_EQ(std::vector<unsigned char>(PRIVATE_DEVMODE_SIZE, 0xCD), out);
}

}  // namespace
}  // namespace marlow

// DocumentPropertySheets as the driver calls it: the pages the plug-in
// registers through the host sheet's function, the records it hands over in
// each build, the answers to the sheet's other requests, and the activation
// context its pages run under.
#include "host/document_pages.h"
#include "host/import_patch.h"
#include "platform/property_sheet.h"
#include "platform_version_patch.h"
#include "sheet_test_support.h"

#include <map>

namespace marlow::test {
namespace {

using host::ComPropSheetCall;
using host::DocumentPages;
using host::RecordedPage;

constexpr WORD kJobSettingsTemplate = 10000;
constexpr WORD kLayoutTemplate = 11001;

// The page record of the build's platform generation.
#if NTDDI_VERSION >= 0x06000000
constexpr DWORD kExpectedPageSize = MARLOW_ABI(56, 104);
#else
constexpr DWORD kExpectedPageSize = MARLOW_ABI(52, 96);
#endif

bool IsInsideModule(HMODULE module, const void* address) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto* p = static_cast<const BYTE*>(address);
    return p >= base && p < base + nt->OptionalHeader.SizeOfImage;
}

void* AsAddress(DLGPROC procedure) { return reinterpret_cast<void*>(procedure); }

// --- What the plug-in finds of the activation-context functions ----------

// The 64-bit builds import them; the 32-bit builds ask GetProcAddress. A
// patch replaces both roads to one function for as long as it lives.
std::map<std::string, void*> g_lookupAnswers;

FARPROC WINAPI AnswerLookup(HMODULE module, LPCSTR name) {
    if (!IS_INTRESOURCE(name)) {
        const auto answer = g_lookupAnswers.find(name);
        if (answer != g_lookupAnswers.end()) {
            return reinterpret_cast<FARPROC>(answer->second);
        }
    }
    return GetProcAddress(module, name);
}

class KernelFunctionPatch {
public:
    // What the function does now. With missingByName, a lookup by name finds
    // nothing (the system lacks it), while an import - which the loader has
    // bound already - calls the replacement.
    KernelFunctionPatch(HMODULE plugin, const char* name, void* replacement, bool missingByName = false)
        : name_(name),
          import_(plugin, "kernel32.dll", name, replacement),
          lookup_((g_lookupAnswers[name] = missingByName ? nullptr : replacement, plugin), "kernel32.dll",
                  "GetProcAddress", reinterpret_cast<void*>(&AnswerLookup)) {}
    ~KernelFunctionPatch() { g_lookupAnswers.erase(name_); }
    KernelFunctionPatch(const KernelFunctionPatch&) = delete;
    KernelFunctionPatch& operator=(const KernelFunctionPatch&) = delete;

    bool IsActive() const { return import_.IsActive() || lookup_.IsActive(); }
    // The library has been unloaded.
    void Abandon() {
        import_.Abandon();
        lookup_.Abandon();
    }

private:
    std::string name_;
    host::ImportPatch import_;
    host::ImportPatch lookup_;
};

// A system without activation contexts, as far as imports can show one.
HANDLE WINAPI CreateNoActCtx(const ACTCTXW*) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return INVALID_HANDLE_VALUE;
}
void WINAPI ReleaseNoActCtx(HANDLE) { ADD_FAILURE() << "ReleaseActCtx without a context"; }
BOOL WINAPI ActivateNoActCtx(HANDLE, ULONG_PTR*) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}
BOOL WINAPI DeactivateNoActCtx(DWORD, ULONG_PTR) {
    ADD_FAILURE() << "DeactivateActCtx without an activation";
    return FALSE;
}

struct ActCtxRecord {
    int createCalls = 0;
    bool failCreation = false;
    std::vector<std::size_t> sourceLengths;
    std::vector<HANDLE> created;
    std::vector<HANDLE> released;
};
ActCtxRecord g_actCtx;

HANDLE WINAPI RecordCreateActCtxW(const ACTCTXW* request) {
    ++g_actCtx.createCalls;
    g_actCtx.sourceLengths.push_back(request->lpSource != nullptr ? lstrlenW(request->lpSource) : 0);
    if (g_actCtx.failCreation) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const HANDLE hActCtx = CreateActCtxW(request);
    g_actCtx.created.push_back(hActCtx);
    return hActCtx;
}

void WINAPI RecordReleaseActCtx(HANDLE hActCtx) {
    g_actCtx.released.push_back(hActCtx);
    ReleaseActCtx(hActCtx);
}

// The library's path, cut for every capacity below g_cutBelow (unterminated,
// as older systems leave it).
std::vector<DWORD> g_pathCapacities;
DWORD g_cutBelow = 0;
bool g_pathFails = false;

DWORD WINAPI AnswerModuleFileName(HMODULE module, LPWSTR buffer, DWORD capacity) {
    g_pathCapacities.push_back(capacity);
    if (g_pathFails) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (capacity < g_cutBelow) {
        for (DWORD i = 0; i < capacity; ++i) buffer[i] = L'x';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return capacity;
    }
    return GetModuleFileNameW(module, buffer, capacity);
}

// --- The fixture -------------------------------------------------------

class PageRegistration : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        g_actCtx = ActCtxRecord();
        g_pathCapacities.clear();
        g_cutBelow = 0;
        g_pathFails = false;
    }

    HMODULE Plugin() { return session.Library().Module(); }

    // The records after CommonUIProp on a platform of this version.
    std::unique_ptr<host::HostSheet> OpenRecords(const PlatformVersion& version = kWindows7) {
        PlatformVersionPatch patch(Plugin(), version);
        EXPECT_TRUE(patch.IsActive());
        return OpenDocumentSheet();
    }

    static std::vector<UINT> Functions(const std::vector<ComPropSheetCall>& calls) {
        std::vector<UINT> functions;
        for (const auto& call : calls) functions.push_back(call.function);
        return functions;
    }

    // Pages registered without a context: no fusion flag; the platform
    // takes them all the same.
    static void ExpectPagesWithoutContext(const DocumentPages& pages) {
        ASSERT_EQ(2u, pages.Recorder().Pages().size());
        for (const RecordedPage& page : pages.Recorder().Pages()) {
            EXPECT_EQ(INVALID_HANDLE_VALUE, page.record.hActCtx);
            EXPECT_EQ(static_cast<DWORD>(PSP_USETITLE), page.record.dwFlags);
            EXPECT_NE(nullptr, page.hPage);
        }
    }

    static std::vector<WORD> Templates(const std::vector<RecordedPage>& pages) {
        std::vector<WORD> templates;
        for (const auto& page : pages) {
            templates.push_back(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(page.record.pszTemplate)));
        }
        return templates;
    }
};

TEST_F(PageRegistration, RefusesAMissingRecordOrAnotherVersionAndLeavesResultAlone) {
    SetLastError(0);
    EXPECT_EQ(E_FAIL, session.Plugin().DocumentPropertySheets(nullptr, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());

    host::ComPropSheetRecorder recorder;
    for (WORD version : {WORD{0x0101}, WORD{0x00FF}, WORD{0}}) {
        PROPSHEETUI_INFO info = recorder.MakeInfo(PROPSHEETUI_REASON_INIT);
        info.Version = version;
        info.Result = 77;
        SetLastError(0);
        EXPECT_EQ(E_FAIL, session.Plugin().DocumentPropertySheets(&info, 0)) << "version " << version;
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError()) << "version " << version;
        EXPECT_EQ(77u, info.Result) << "version " << version;
    }
    EXPECT_TRUE(recorder.Calls().empty()) << "no page added";
}

TEST_F(PageRegistration, AnswersTheSheetsOtherRequestsWithoutAddingPages) {
    auto records = OpenRecords();
    DocumentPages pages(session.Plugin(), *records);
    ULONG_PTR result = 99;

    PROPSHEETUI_INFO_HEADER header = {};
    header.cbSize = sizeof(header);
    EXPECT_EQ(S_OK, pages.Request(PROPSHEETUI_REASON_GET_INFO_HEADER, reinterpret_cast<LPARAM>(&header), &result));
    EXPECT_EQ(1u, result);
    ASSERT_NE(nullptr, header.pTitle);
    EXPECT_STREQ(L"OEM UI Page", header.pTitle);

    EXPECT_EQ(S_OK, pages.Request(PROPSHEETUI_REASON_DESTROY, 0, &result));
    EXPECT_EQ(1u, result);

    for (ULONG_PTR given : {ULONG_PTR{CPSUI_OK}, ULONG_PTR{CPSUI_CANCEL}, ULONG_PTR{42}}) {
        SETRESULT_INFO setResult = {};
        setResult.cbSize = sizeof(setResult);
        setResult.Result = given;
        EXPECT_EQ(S_OK, pages.Request(PROPSHEETUI_REASON_SET_RESULT, reinterpret_cast<LPARAM>(&setResult), &result));
        EXPECT_EQ(given, result);
    }
    for (WORD reason : {WORD{PROPSHEETUI_REASON_GET_ICON}, WORD{MARLOW_PROPSHEETUI_REASON_BEFORE_INIT}, WORD{77}}) {
        result = 99;
        EXPECT_EQ(S_OK, pages.Request(reason, 0, &result)) << "reason " << reason;
        EXPECT_EQ(0u, result) << "reason " << reason;
    }
    // Requests whose record is missing get the same answer and touch nothing.
    EXPECT_EQ(S_OK, pages.Request(PROPSHEETUI_REASON_GET_INFO_HEADER, 0, &result));
    EXPECT_EQ(1u, result);
    EXPECT_EQ(S_OK, pages.Request(PROPSHEETUI_REASON_SET_RESULT, 0, &result));
    EXPECT_EQ(0u, result);
    EXPECT_TRUE(pages.Recorder().Calls().empty());
}

TEST_F(PageRegistration, AddsLayoutThenExtendedSettingsThenAsksForTheSecondStandardPage) {
    auto records = OpenRecords();
    DocumentPages pages(session.Plugin(), *records);
    ULONG_PTR result = 99;
    ASSERT_EQ(S_OK, pages.Request(PROPSHEETUI_REASON_INIT, 0, &result));
    EXPECT_EQ(0u, result);

    const auto& calls = pages.Recorder().Calls();
    EXPECT_EQ((std::vector<UINT>{CPSFUNC_ADD_PROPSHEETPAGEW, CPSFUNC_ADD_PROPSHEETPAGEW, CPSFUNC_SET_HSTARTPAGE}),
              Functions(calls));
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ(0, calls[0].lParam2);
    EXPECT_EQ(0, calls[2].lParam1);
    EXPECT_EQ(SSP_STDPAGE2, calls[2].lParam2);

    const auto& added = pages.Recorder().Pages();
    ASSERT_EQ(2u, added.size());
    EXPECT_EQ((std::vector<WORD>{kLayoutTemplate, kJobSettingsTemplate}), Templates(added));
    EXPECT_EQ(L"Layout", added[0].title);
    EXPECT_EQ(L"Extended Settings", added[1].title);
    for (const RecordedPage& page : added) {
        SCOPED_TRACE(testing::Message() << "page " << page.title.c_str());
        const PROPSHEETPAGEW_V4& r = page.record;
        EXPECT_EQ(kExpectedPageSize, page.dwSize);
        EXPECT_EQ(static_cast<DWORD>(PSP_USETITLE | PSP_USEFUSIONCONTEXT), r.dwFlags);
        EXPECT_EQ(Plugin(), r.hInstance);
        EXPECT_TRUE(IsInsideModule(Plugin(), AsAddress(r.pfnDlgProc)));
        // The context the host received as the item callback's user data.
        EXPECT_EQ(reinterpret_cast<LPARAM>(records->Param().pOEMUserData), r.lParam);
        EXPECT_NE(nullptr, r.hActCtx);
        EXPECT_NE(INVALID_HANDLE_VALUE, r.hActCtx);
        EXPECT_EQ(nullptr, r.hIcon);
        EXPECT_EQ(nullptr, r.pfnCallback);
        EXPECT_EQ(nullptr, r.pcRefParent);
        EXPECT_EQ(nullptr, r.pszHeaderTitle);
        EXPECT_EQ(nullptr, r.pszHeaderSubTitle);
        EXPECT_EQ(nullptr, r.hbmHeader);
        // The title lives on in the host's heap.
        EXPECT_TRUE(HeapValidate(records->Heap(), 0, const_cast<LPWSTR>(r.pszTitle)));
        EXPECT_NE(nullptr, page.hPage) << "the platform made a page of the record";
    }
    EXPECT_NE(added[0].record.pfnDlgProc, added[1].record.pfnDlgProc);
    EXPECT_EQ(added[0].record.hActCtx, added[1].record.hActCtx) << "one context for both";
    EXPECT_EQ(reinterpret_cast<LPARAM>(added[0].hPage), calls[0].result);
}

TEST_F(PageRegistration, OnALegacyPlatformOnlyTheExtendedSettingsPageIsAdded) {
    auto records = OpenRecords(kWindowsXpSp2);
    DocumentPages pages(session.Plugin(), *records);
    ULONG_PTR result = 99;
    ASSERT_EQ(S_OK, pages.Request(PROPSHEETUI_REASON_INIT, 0, &result));
    EXPECT_EQ(0u, result);
    EXPECT_EQ((std::vector<UINT>{CPSFUNC_ADD_PROPSHEETPAGEW, CPSFUNC_SET_HSTARTPAGE}),
              Functions(pages.Recorder().Calls()));
    EXPECT_EQ(std::vector<WORD>{kJobSettingsTemplate}, Templates(pages.Recorder().Pages()));
}

TEST_F(PageRegistration, WithoutACommonUIPropCallThePagesHaveNoTitle) {
    // A fresh object of the same library: no host record yet.
    ComRef<IPrintOemUI2> fresh;
    ASSERT_EQ(S_OK, session.Library().CreatePluginObject(fresh.Put()));
    auto records = session.MakeDocumentSheet();
    DocumentPages pages(*fresh.Get(), *records);
    ASSERT_EQ(S_OK, pages.AddPages());
    ASSERT_FALSE(pages.Recorder().Pages().empty());
    for (const RecordedPage& page : pages.Recorder().Pages()) {
        EXPECT_EQ(nullptr, page.record.pszTitle);
        EXPECT_TRUE(page.record.dwFlags & PSP_USETITLE);
    }
}

TEST_F(PageRegistration, ANullCommonUIPropCallForgetsThePreviousRecord) {
    auto records = OpenRecords();
    {
        // The host's next call comes without a record: the earlier one may be
        // gone, so the pages must not reach for their titles through it.
        PlatformVersionPatch patch(Plugin(), kWindows7);
        EXPECT_EQ(S_OK, session.Plugin().CommonUIProp(OEMCUIP_DOCPROP, nullptr));
    }
    DocumentPages pages(session.Plugin(), *records);
    ASSERT_EQ(S_OK, pages.AddPages());
    ASSERT_EQ(2u, pages.Recorder().Pages().size());
    for (const RecordedPage& page : pages.Recorder().Pages()) {
        EXPECT_EQ(nullptr, page.record.pszTitle) << "the title of a forgotten record";
    }

    // The legacy flag follows the platform on such a call too.
    {
        PlatformVersionPatch patch(Plugin(), kWindowsXpSp2);
        EXPECT_EQ(S_OK, session.Plugin().CommonUIProp(OEMCUIP_DOCPROP, nullptr));
    }
    DocumentPages legacy(session.Plugin(), *records);
    ASSERT_EQ(S_OK, legacy.AddPages());
    EXPECT_EQ(std::vector<WORD>{kJobSettingsTemplate}, Templates(legacy.Recorder().Pages()));
}

TEST_F(PageRegistration, PagesTheHostRefusesChangeNothingInTheAnswer) {
    auto records = OpenRecords();
    DocumentPages pages(session.Plugin(), *records);
    pages.Recorder().RefusePages(true);
    ULONG_PTR result = 99;
    ASSERT_EQ(S_OK, pages.Request(PROPSHEETUI_REASON_INIT, 0, &result));
    EXPECT_EQ(0u, result);
    EXPECT_EQ((std::vector<UINT>{CPSFUNC_ADD_PROPSHEETPAGEW, CPSFUNC_ADD_PROPSHEETPAGEW, CPSFUNC_SET_HSTARTPAGE}),
              Functions(pages.Recorder().Calls()));
}

TEST_F(PageRegistration, ASheetWithoutItsFunctionGetsNoPagesAndTheSameAnswer) {
    auto records = OpenRecords();
    host::ComPropSheetRecorder recorder;
    PROPSHEETUI_INFO info = recorder.MakeInfo(PROPSHEETUI_REASON_INIT);
    info.pfnComPropSheet = nullptr;
    info.Result = 99;
    EXPECT_EQ(S_OK, session.Plugin().DocumentPropertySheets(&info, 0));
    EXPECT_EQ(0u, info.Result);
    EXPECT_TRUE(recorder.Calls().empty());
}

// --- The activation context ------------------------------------------------

TEST_F(PageRegistration, OneActivationContextServesEveryPageOfEverySheet) {
    KernelFunctionPatch create(Plugin(), "CreateActCtxW", reinterpret_cast<void*>(&RecordCreateActCtxW));
    ASSERT_TRUE(create.IsActive());
    auto records = OpenRecords();
    DocumentPages first(session.Plugin(), *records);
    ASSERT_EQ(S_OK, first.AddPages());
    DocumentPages second(session.Plugin(), *records);
    ASSERT_EQ(S_OK, second.AddPages());

    EXPECT_EQ(1, g_actCtx.createCalls);
    ASSERT_EQ(1u, g_actCtx.created.size());
    for (DocumentPages* pages : {&first, &second}) {
        for (const RecordedPage& page : pages->Recorder().Pages()) {
            EXPECT_EQ(g_actCtx.created[0], page.record.hActCtx);
        }
    }
}

TEST_F(PageRegistration, AFailedActivationContextIsTriedAgainForTheNextPage) {
    auto records = OpenRecords();
    {
        KernelFunctionPatch create(Plugin(), "CreateActCtxW", reinterpret_cast<void*>(&RecordCreateActCtxW));
        ASSERT_TRUE(create.IsActive());
        g_actCtx.failCreation = true;
        DocumentPages pages(session.Plugin(), *records);
        ASSERT_EQ(S_OK, pages.AddPages());
        ExpectPagesWithoutContext(pages);
        EXPECT_EQ(2, g_actCtx.createCalls) << "once for each page";
    }
    DocumentPages later(session.Plugin(), *records);
    ASSERT_EQ(S_OK, later.AddPages());
    for (const RecordedPage& page : later.Recorder().Pages()) {
        EXPECT_NE(INVALID_HANDLE_VALUE, page.record.hActCtx);
        EXPECT_TRUE(page.record.dwFlags & PSP_USEFUSIONCONTEXT);
    }
}

TEST_F(PageRegistration, TheLibraryPathGrowsByDoublingWhileItComesBackCut) {
    auto records = OpenRecords();
    host::ImportPatch path(Plugin(), "kernel32.dll", "GetModuleFileNameW",
                           reinterpret_cast<void*>(&AnswerModuleFileName));
    ASSERT_TRUE(path.IsActive());
    g_cutBelow = 1040;
    DocumentPages pages(session.Plugin(), *records);
    ASSERT_EQ(S_OK, pages.AddPages());
    EXPECT_EQ((std::vector<DWORD>{260, 520, 1040}), g_pathCapacities);
    EXPECT_NE(INVALID_HANDLE_VALUE, pages.Recorder().Pages().at(0).record.hActCtx);
}

TEST_F(PageRegistration, AfterTenCutPathsTheLastOneIsUsedAndAFailedPathMakesNoContext) {
    auto records = OpenRecords();
    KernelFunctionPatch create(Plugin(), "CreateActCtxW", reinterpret_cast<void*>(&RecordCreateActCtxW));
    host::ImportPatch path(Plugin(), "kernel32.dll", "GetModuleFileNameW",
                           reinterpret_cast<void*>(&AnswerModuleFileName));
    ASSERT_TRUE(path.IsActive() && create.IsActive());
    g_cutBelow = 0x7FFFFFFF;
    DocumentPages pages(session.Plugin(), *records);
    pages.Recorder().RefusePages(true);  // the Extended Settings page alone would do
    ASSERT_EQ(S_OK, pages.AddPages());
    std::vector<DWORD> doubling;
    for (DWORD capacity = 260; doubling.size() < 10; capacity *= 2) doubling.push_back(capacity);
    // Two pages, ten calls each: the context is tried again for the second.
    std::vector<DWORD> expected = doubling;
    expected.insert(expected.end(), doubling.begin(), doubling.end());
    EXPECT_EQ(expected, g_pathCapacities);
    // The last, cut answer is handed on terminated.
    EXPECT_EQ((std::vector<std::size_t>{260u * 512 - 1, 260u * 512 - 1}), g_actCtx.sourceLengths);

    g_pathFails = true;
    g_pathCapacities.clear();
    DocumentPages failing(session.Plugin(), *records);
    ASSERT_EQ(S_OK, failing.AddPages());
    EXPECT_EQ(2, g_actCtx.createCalls) << "no path, no attempt";
    EXPECT_EQ((std::vector<DWORD>{260, 260}), g_pathCapacities);
    EXPECT_EQ(INVALID_HANDLE_VALUE, failing.Recorder().Pages().at(0).record.hActCtx);
}

TEST_F(PageRegistration, TheContextIsReleasedWhenTheLibraryUnloads) {
    KernelFunctionPatch create(Plugin(), "CreateActCtxW", reinterpret_cast<void*>(&RecordCreateActCtxW));
    KernelFunctionPatch release(Plugin(), "ReleaseActCtx", reinterpret_cast<void*>(&RecordReleaseActCtx));
    ASSERT_TRUE(create.IsActive() && release.IsActive());
    {
        auto records = OpenRecords();
        DocumentPages pages(session.Plugin(), *records);
        ASSERT_EQ(S_OK, pages.AddPages());
    }
    ASSERT_EQ(1u, g_actCtx.created.size());
    EXPECT_TRUE(g_actCtx.released.empty()) << "kept while the library is loaded";

    // The patches stay in place while the library goes.
    session.ReleasePlugin();
    session.Library().Unload();
    create.Abandon();
    release.Abandon();
    EXPECT_EQ(g_actCtx.created, g_actCtx.released);
}

TEST_F(PageRegistration, GoesOnWhereTheSystemHasNoActivationContexts) {
    {
        KernelFunctionPatch create(Plugin(), "CreateActCtxW", reinterpret_cast<void*>(&CreateNoActCtx), true);
        KernelFunctionPatch release(Plugin(), "ReleaseActCtx", reinterpret_cast<void*>(&ReleaseNoActCtx), true);
        KernelFunctionPatch activate(Plugin(), "ActivateActCtx", reinterpret_cast<void*>(&ActivateNoActCtx), true);
        KernelFunctionPatch deactivate(Plugin(), "DeactivateActCtx", reinterpret_cast<void*>(&DeactivateNoActCtx),
                                       true);
        ASSERT_TRUE(create.IsActive());
        auto records = OpenRecords();
        DocumentPages pages(session.Plugin(), *records);
        ASSERT_EQ(S_OK, pages.AddPages());
        ExpectPagesWithoutContext(pages);
        EXPECT_NE(nullptr, pages.OpenPage(kJobSettingsTemplate)) << "the page opens without one";
    }
#if !defined(_WIN64)
    // So that the 32-bit library loads where these do not exist, it imports
    // none of them.
    const std::vector<std::string> imports = host::ListImportedFunctions(Plugin(), "kernel32.dll");
    ASSERT_FALSE(imports.empty());
    for (const char* name : {"CreateActCtxW", "ReleaseActCtx", "ActivateActCtx", "DeactivateActCtx"}) {
        EXPECT_EQ(imports.end(), std::find(imports.begin(), imports.end(), name)) << name << " is imported";
    }
#endif
}

}  // namespace
}  // namespace marlow::test

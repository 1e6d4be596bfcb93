// random_host_calls --seed S --calls N: feeds the built plug-in random but
// well-formed host calls, the way any application's driver UI could make
// them: CommonUIProp counting and filling calls (in and out of order) on
// item arrays of random counts, levels, flags, selections in range and out,
// option types and counts, with and without OPTTYPE and USERDATA, the same
// public item id more than once; the item callback with random reasons;
// DevMode requests with sound and hostile private sections; GetInfo with
// random buffers. Every record lies in memory of its own that ends at a
// no-access page, with guard bytes in front, so a write or read beyond it
// faults at once. After each call the program checks that the plug-in
// changed only what it may. On a fault or a broken rule it prints the seed
// and the call's index (rerun with the same seed to see it again) and exits
// with 1; 0 when every call kept to the rules.
#include "host/guarded_record.h"
#include "host/plugin_library.h"
#include "host/printer_ppd.h"
#include "host/recording_driver_ui.h"
#include "host/spooler_printer.h"
#include "platform/com_ref.h"
#include "program_arguments.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace marlow::test {
namespace {

using host::GuardedRecord;

constexpr DWORD kSignature = 0x51565053;
constexpr std::size_t kSectionSize = 172;
constexpr wchar_t kPrinterName[] = L"Vantor Marlow C (random host calls)";

std::uint32_t g_seed = 0;
unsigned long g_call = 0;
const char* g_what = "set-up";

[[noreturn]] void Fail(const std::string& problem) {
    std::printf("random_host_calls: seed %u, call %lu (%s): %s\n", g_seed, g_call, g_what, problem.c_str());
    std::fflush(stdout);
    std::exit(1);
}

void Require(bool bHolds, const std::string& problem) {
    if (!bHolds) Fail(problem);
}

LONG WINAPI ReportFault(EXCEPTION_POINTERS* exception) {
    char text[96];
    std::snprintf(text, sizeof(text), "exception 0x%08lX at %p",
                  static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode),
                  exception->ExceptionRecord->ExceptionAddress);
    Fail(text);
}

std::uint32_t ReadU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void WriteU32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The private section's text fields: offset, units.
constexpr std::size_t kTextFields[][2] = {{24, 15}, {54, 15}, {84, 5}, {94, 15}, {124, 21}};

bool AreTextsTerminated(const unsigned char* section) {
    for (const auto& field : kTextFields) {
        bool bTerminated = false;
        for (std::size_t i = 0; i < field[1] && !bTerminated; ++i) {
            bTerminated = section[field[0] + 2 * i] == 0 && section[field[0] + 2 * i + 1] == 0;
        }
        if (!bTerminated) return false;
    }
    return true;
}

// ---- random values ---------------------------------------------------------

class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    // 0 .. n-1
    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : engine_() % n; }
    bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }
    std::uint32_t Any() { return engine_(); }
    template <typename T>
    const T& Pick(const std::vector<T>& values) { return values[Below(static_cast<std::uint32_t>(values.size()))]; }

private:
    std::mt19937 engine_;
};

// ---- one sheet's records, each in guarded memory ---------------------------

struct Sheet {
    DWORD mode = OEMCUIP_DOCPROP;
    std::vector<std::unique_ptr<GuardedRecord>> memory;  // texts, types, parameters, user data
    std::unique_ptr<GuardedRecord> items, param, publicDm, privateDm, procs, uiObject, pluginItems;
    bool bFilled = false;  // a document filling call has installed the callback

    OEMCUIPPARAM& Param() { return *reinterpret_cast<OEMCUIPPARAM*>(param->Data()); }
    OPTITEM* Items() { return items ? reinterpret_cast<OPTITEM*>(items->Data()) : nullptr; }
    DWORD Count() { return Param().cDrvOptItems; }
    DEVMODEW& PublicDm() { return *reinterpret_cast<DEVMODEW*>(publicDm->Data()); }

    template <typename T>
    T* Keep(std::size_t count = 1) {
        memory.push_back(std::make_unique<GuardedRecord>(sizeof(T) * count));
        Require(memory.back()->IsReady(), "no memory for a record");
        return reinterpret_cast<T*>(memory.back()->Data());
    }
    LPWSTR KeepText(const std::wstring& text) {
        auto* p = Keep<wchar_t>(text.size() + 1);
        std::wmemcpy(p, text.c_str(), text.size() + 1);
        return p;
    }
    LPSTR KeepKeyword(const std::string& text) {
        auto* p = Keep<char>(text.size() + 1);
        std::memcpy(p, text.c_str(), text.size() + 1);
        return p;
    }
};

// What the host's reading of the printer's PPD offers as names.
struct NamePool {
    std::vector<std::wstring> featureNames;
    std::vector<std::wstring> choiceNames;
    std::vector<std::string> keywords;
};

NamePool MakeNamePool(const host::PrinterPpd& ppd) {
    NamePool pool;
    for (const host::PpdUiFeature& feature : ppd.features) {
        pool.featureNames.push_back(feature.translation);
        pool.keywords.push_back(feature.keyword);
        for (const host::PpdChoice& choice : feature.choices) pool.choiceNames.push_back(choice.translation);
    }
    pool.featureNames.push_back(L"");
    pool.featureNames.push_back(L"Paper Sourc");
    pool.choiceNames.push_back(L"");
    pool.keywords.insert(pool.keywords.end(), {"QVRendering", "QVRenderin", "QVRenderingX", "", "Q"});
    return pool;
}

std::wstring RandomText(Dice& dice) {
    std::wstring text;
    const std::uint32_t length = dice.Below(40);
    for (std::uint32_t i = 0; i < length; ++i) text.push_back(static_cast<wchar_t>(1 + dice.Below(0xD7FF)));
    return text;
}

LPCWSTR RandomName(Dice& dice, Sheet& sheet, const std::vector<std::wstring>& pool) {
    const std::uint32_t roll = dice.Below(10);
    if (roll < 5) return sheet.KeepText(dice.Pick(pool));
    if (roll < 6) return MAKEINTRESOURCEW(400);
    if (roll < 7) return MAKEINTRESOURCEW(64798);
    if (roll < 8) return MAKEINTRESOURCEW(1 + dice.Below(0xFFFF));
    return sheet.KeepText(RandomText(dice));
}

const std::vector<BYTE> kDmPubIds = {0, 1, 1, 4, 5, 6, 6, 7, 7, 9, 12, 16, 16, 17, 18, 19, 20, 21, 2, 3, 30};

void FillItem(Dice& dice, Sheet& sheet, const NamePool& pool, OPTITEM& item) {
    item.cbSize = sizeof(OPTITEM);
    item.Level = static_cast<BYTE>(dice.Below(5));
    item.Flags = dice.Chance(50) ? 0 : (dice.Any() & 0x1FFFF);
    item.pName = const_cast<LPWSTR>(RandomName(dice, sheet, pool.featureNames));
    item.DMPubID = dice.Chance(90) ? dice.Pick(kDmPubIds) : static_cast<BYTE>(dice.Below(256));
    std::uint32_t count = 0;
    if (dice.Chance(85)) {
        count = dice.Chance(90) ? dice.Below(9) : dice.Below(40);
        auto* type = sheet.Keep<OPTTYPE>();
        type->cbSize = sizeof(OPTTYPE);
        type->Type = static_cast<BYTE>(dice.Below(12));
        type->Count = static_cast<WORD>(count);
        type->Flags = static_cast<WORD>(dice.Any());
        auto* params = count > 0 ? sheet.Keep<OPTPARAM>(count) : nullptr;
        for (std::uint32_t i = 0; i < count; ++i) {
            params[i].cbSize = sizeof(OPTPARAM);
            params[i].Flags = static_cast<BYTE>(dice.Chance(70) ? 0 : dice.Below(0x80));
            params[i].pData = const_cast<LPWSTR>(RandomName(dice, sheet, pool.choiceNames));
        }
        type->pOptParam = params;
        item.pOptType = type;
    }
    const std::uint32_t selRoll = dice.Below(10);
    item.Sel = selRoll < 7 && count > 0 ? static_cast<LONG>(dice.Below(count))
               : selRoll < 8            ? -1
               : selRoll < 9            ? static_cast<LONG>(count)
                                        : static_cast<LONG>(dice.Any());
    if (dice.Chance(50)) {
        auto* userData = sheet.Keep<USERDATA>();
        userData->dwSize = sizeof(USERDATA);
        userData->dwItemID = dice.Any();
        userData->pKeyWordName = dice.Chance(85) ? sheet.KeepKeyword(dice.Pick(pool.keywords)) : nullptr;
        item.UserData = reinterpret_cast<ULONG_PTR>(userData);
    }
}

std::unique_ptr<Sheet> MakeSheet(Dice& dice, const NamePool& pool, HMODULE module, HANDLE printer, HANDLE heap) {
    auto sheet = std::make_unique<Sheet>();
    sheet->mode = dice.Chance(75) ? OEMCUIP_DOCPROP : OEMCUIP_PRNPROP;
    const std::uint32_t count = dice.Chance(10) ? 0 : 1 + dice.Below(dice.Chance(80) ? 30 : 120);
    if (count > 0) {
        sheet->items = std::make_unique<GuardedRecord>(count * sizeof(OPTITEM));
        for (std::uint32_t i = 0; i < count; ++i) FillItem(dice, *sheet, pool, sheet->Items()[i]);
    }
    sheet->procs = std::make_unique<GuardedRecord>(sizeof(OEMUIPROCS));
    sheet->uiObject = std::make_unique<GuardedRecord>(sizeof(OEMUIOBJ));
    auto* uiObject = reinterpret_cast<OEMUIOBJ*>(sheet->uiObject->Data());
    uiObject->cbSize = sizeof(OEMUIOBJ);
    uiObject->pOemUIProcs = reinterpret_cast<OEMUIPROCS*>(sheet->procs->Data());
    sheet->publicDm = std::make_unique<GuardedRecord>(sizeof(DEVMODEW));
    sheet->PublicDm().dmSize = sizeof(DEVMODEW);
    sheet->PublicDm().dmDuplex = static_cast<short>(1 + dice.Below(3));
    sheet->privateDm = std::make_unique<GuardedRecord>(kSectionSize);
    sheet->pluginItems = std::make_unique<GuardedRecord>(sizeof(OPTITEM));
    sheet->param = std::make_unique<GuardedRecord>(sizeof(OEMCUIPPARAM));
    OEMCUIPPARAM& param = sheet->Param();
    param.cbSize = sizeof(OEMCUIPPARAM);
    param.poemuiobj = uiObject;
    param.hPrinter = printer;
    param.hModule = dice.Chance(95) ? module : nullptr;
    param.hOEMHeap = heap;
    if (sheet->mode == OEMCUIP_DOCPROP) {
        param.pPublicDM = &sheet->PublicDm();
        param.pOEMDM = sheet->privateDm->Data();
    }
    param.pDrvOptItems = sheet->Items();
    param.cDrvOptItems = count;
    return sheet;
}

// ---- what the plug-in may change --------------------------------------------

struct ItemState {
    DWORD flags;
    LONG sel;
    std::vector<BYTE> paramFlags;
    OPTITEM copy;
};

std::vector<ItemState> TakeState(Sheet& sheet) {
    std::vector<ItemState> state;
    for (DWORD i = 0; i < sheet.Count(); ++i) {
        const OPTITEM& item = sheet.Items()[i];
        ItemState s{item.Flags, item.Sel, {}, item};
        if (item.pOptType != nullptr) {
            for (WORD p = 0; p < item.pOptType->Count; ++p) s.paramFlags.push_back(item.pOptType->pOptParam[p].Flags);
        }
        state.push_back(s);
    }
    return state;
}

// The layout items the Layout page stands in for (the newer build's set
// includes their companions).
bool IsHiddenLayoutId(BYTE id) {
    const bool bNewer = _WIN32_WINNT >= 0x0600;
    return id == 1 || id == 7 || id == 16 || id == 17 || (bNewer && id >= 18 && id <= 21);
}

bool IsRenderingItem(const OPTITEM& item) {
    const auto* userData = reinterpret_cast<const USERDATA*>(item.UserData);
    return userData != nullptr && userData->pKeyWordName != nullptr &&
           std::strcmp(userData->pKeyWordName, "QVRendering") == 0;
}

bool IsLegacyPlatform() {
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) return false;
    return info.dwMajorVersion < 5 || (info.dwMajorVersion == 5 && info.dwMinorVersion == 0) ||
           (info.dwMajorVersion == 5 && info.dwMinorVersion == 1 && info.wServicePackMajor < 3);
}

std::string Describe(const char* what, DWORD index) { return std::string(what) + " of item " + std::to_string(index); }

// Fields of an item that no call of the plug-in changes.
void RequireSameShape(const ItemState& before, const OPTITEM& item, DWORD i) {
    Require(item.pName == before.copy.pName && item.pOptType == before.copy.pOptType &&
                item.UserData == before.copy.UserData && item.DMPubID == before.copy.DMPubID &&
                item.Level == before.copy.Level && item.cbSize == before.copy.cbSize,
            Describe("a field other than Flags and Sel changed", i));
    if (item.pOptType != nullptr) {
        Require(item.pOptType->Count == before.paramFlags.size(), Describe("the option count changed", i));
    }
}

void CheckCommonUIProp(Sheet& sheet, const std::vector<ItemState>& before, DWORD mode, bool bCounting,
                       const OEMCUIPPARAM& paramBefore, bool bLegacy) {
    const OEMCUIPPARAM& param = sheet.Param();
    Require(param.pDrvOptItems == paramBefore.pDrvOptItems && param.cDrvOptItems == paramBefore.cDrvOptItems,
            "the item array was replaced");
    DWORD firstGroup = MAXDWORD;
    for (DWORD i = 0; i < sheet.Count(); ++i) {
        if (IS_INTRESOURCE(before[i].copy.pName) && reinterpret_cast<ULONG_PTR>(before[i].copy.pName) == 64798 &&
            firstGroup == MAXDWORD) {
            firstGroup = i;
        }
    }
    const bool bDoc = !bCounting && mode == OEMCUIP_DOCPROP;
    const bool bPrn = !bCounting && mode == OEMCUIP_PRNPROP;
    for (DWORD i = 0; i < sheet.Count(); ++i) {
        const OPTITEM& item = sheet.Items()[i];
        RequireSameShape(before[i], item, i);
        Require(item.Sel == before[i].sel, Describe("Sel changed", i));
        Require((before[i].flags & ~item.Flags) == 0, Describe("a flag was cleared", i));
        const DWORD gained = item.Flags & ~before[i].flags;
        DWORD allowed = 0;
        if (bDoc) allowed = OPTIF_HIDE | (IsRenderingItem(item) ? OPTIF_DISABLED : 0);
        if (bPrn) {
            allowed = (i >= firstGroup ? OPTIF_HIDE : 0) |
                      (IS_INTRESOURCE(item.pName) && reinterpret_cast<ULONG_PTR>(item.pName) == 400
                           ? OPTIF_INITIAL_TVITEM : 0);
        }
        if (bDoc && !IsHiddenLayoutId(item.DMPubID)) allowed &= ~OPTIF_HIDE;
        Require((gained & ~allowed) == 0, Describe("a flag it may not set was set", i));
        if (bDoc && !bLegacy && IsHiddenLayoutId(item.DMPubID)) {
            Require((item.Flags & OPTIF_HIDE) != 0,
                    Describe("a layout item was left visible", i) + " (DMPubID " + std::to_string(item.DMPubID) +
                        ", flags " + std::to_string(item.Flags) + ")");
        }
        if (item.pOptType == nullptr) continue;
        for (WORD p = 0; p < item.pOptType->Count; ++p) {
            const OPTPARAM& option = item.pOptType->pOptParam[p];
            const BYTE was = before[i].paramFlags[p];
            Require((was & ~option.Flags) == 0, Describe("an option flag was cleared", i));
            BYTE allowedOption = 0;
            if (bDoc && !IS_INTRESOURCE(option.pData)) allowedOption = OPTPF_OVERLAY_WARNING_ICON;
            if (bPrn && i > firstGroup) allowedOption = OPTPF_HIDE;
            Require((option.Flags & ~was & ~allowedOption) == 0, Describe("an option flag it may not set was set", i));
        }
    }
    if (bCounting) {
        Require(param.cOEMOptItems == 0, "the counting call asked for items of its own");
    }
    if (bDoc) {
        Require(param.OEMCUIPCallback != nullptr && param.pOEMUserData != nullptr,
                "the document filling call installed no callback");
    }
    if (bPrn || bCounting || (mode != OEMCUIP_DOCPROP && mode != OEMCUIP_PRNPROP)) {
        Require(param.OEMCUIPCallback == paramBefore.OEMCUIPCallback &&
                    param.pOEMUserData == paramBefore.pOEMUserData,
                "a callback was installed outside the document filling call");
    }
}

// ---- the calls ----------------------------------------------------------------

class Campaign {
public:
    Campaign(std::uint32_t seed, host::PluginLibrary& library, host::SpoolerPrinter& printer, const NamePool& pool)
        : dice_(seed), library_(library), printer_(printer), pool_(pool), bLegacy_(IsLegacyPlatform()),
          heap_(HeapCreate(0, 0, 0)) {}

    void Run(unsigned long calls) {
        NewObject();
        for (g_call = 0; g_call < calls; ++g_call) {
            if (!sheet_ || dice_.Chance(6)) NewSheet();
            if (dice_.Chance(1)) {
                NewObject();
                NewSheet();
            }
            const std::uint32_t roll = dice_.Below(100);
            if (roll < 25) CallCommonUIProp(true);
            else if (roll < 50) CallCommonUIProp(false);
            else if (roll < 75) CallItemCallback();
            else if (roll < 95) CallDevMode();
            else CallGetInfo();
        }
    }

private:
    void NewObject() {
        sheet_.reset();  // a host lets the sheet go before the object
        plugin_.Reset();
        g_what = "creating a plug-in object";
        Require(SUCCEEDED(library_.CreatePluginObject(plugin_.Put())), "no plug-in object");
        if (dice_.Chance(90)) Require(plugin_->PublishDriverInterface(&driverUI_) == S_OK, "PublishDriverInterface failed");
    }

    void NewSheet() {
        sheet_ = MakeSheet(dice_, pool_, library_.Module(), printer_.Handle(), heap_.Get());
        unsigned char* section = sheet_->privateDm->Data();
        OEMDMPARAM param = {};
        param.cbSize = sizeof(param);
        param.pOEMDMOut = section;
        g_what = "DevMode defaults for a new sheet";
        Require(plugin_->DevMode(OEMDM_DEFAULT, &param) == S_OK, "the defaults failed");
    }

    void RequireRecordsIntact() {
        for (const auto& record : sheet_->memory) Require(record->IsFrontIntact(), "a write before a record");
        for (GuardedRecord* record : {sheet_->items.get(), sheet_->param.get(), sheet_->publicDm.get(),
                                      sheet_->privateDm.get(), sheet_->procs.get(), sheet_->uiObject.get()}) {
            if (record != nullptr) Require(record->IsFrontIntact(), "a write before a record");
        }
    }

    void CallCommonUIProp(bool bCounting) {
        g_what = bCounting ? "CommonUIProp, counting call" : "CommonUIProp, filling call";
        OEMCUIPPARAM& param = sheet_->Param();
        if (bCounting) {
            param.pOEMOptItems = nullptr;
            param.cOEMOptItems = dice_.Below(3);
        } else {
            param.pOEMOptItems = reinterpret_cast<OPTITEM*>(sheet_->pluginItems->Data());
        }
        // Now and then a mode of neither sheet, which does nothing.
        static const std::vector<DWORD> kOtherModes = {0, 3, 4, 0x100};
        const DWORD mode = dice_.Chance(3) ? dice_.Pick(kOtherModes) : sheet_->mode;
        const std::vector<ItemState> before = TakeState(*sheet_);
        const OEMCUIPPARAM paramBefore = param;
        unsigned char privateBefore[kSectionSize];
        std::memcpy(privateBefore, sheet_->privateDm->Data(), kSectionSize);
        Require(plugin_->CommonUIProp(mode, &param) == S_OK, "CommonUIProp did not answer S_OK");
        CheckCommonUIProp(*sheet_, before, mode, bCounting, paramBefore, bLegacy_);
        Require(std::memcmp(privateBefore, sheet_->privateDm->Data(), kSectionSize) == 0,
                "CommonUIProp changed the private section");
        if (!bCounting && mode == OEMCUIP_DOCPROP) sheet_->bFilled = true;
        RequireRecordsIntact();
    }

    void CallItemCallback() {
        g_what = "the item callback";
        OEMCUIPPARAM& param = sheet_->Param();
        if (!sheet_->bFilled || param.OEMCUIPCallback == nullptr) return;
        GuardedRecord record(sizeof(CPSUICBPARAM));
        auto& cb = *reinterpret_cast<CPSUICBPARAM*>(record.Data());
        const std::uint32_t roll = dice_.Below(10);
        const WORD reason = static_cast<WORD>(roll < 5 ? CPSUICB_REASON_SEL_CHANGED
                                              : roll < 8 ? CPSUICB_REASON_APPLYNOW
                                                         : dice_.Below(16));
        cb.cbSize = sizeof(cb);
        cb.Reason = reason;
        cb.pOptItem = param.pDrvOptItems;
        cb.cOptItem = static_cast<WORD>(param.cDrvOptItems);
        cb.UserData = reinterpret_cast<ULONG_PTR>(param.pOEMUserData);
        if (sheet_->Count() > 0) {
            OPTITEM& current = sheet_->Items()[dice_.Below(sheet_->Count())];
            cb.pCurItem = &current;
            cb.OldSel = current.Sel;
            if (current.pOptType != nullptr && current.pOptType->Count > 0 && dice_.Chance(70)) {
                current.Sel = static_cast<LONG>(dice_.Below(current.pOptType->Count));
            }
        }
        if (reason == CPSUICB_REASON_SEL_CHANGED && cb.pCurItem == nullptr) return;  // a change has an item
        if (reason != CPSUICB_REASON_SEL_CHANGED && dice_.Chance(20)) cb.pCurItem = nullptr;
        // The host's own pages mark what the user changed.
        for (DWORD i = 0; i < sheet_->Count(); ++i) {
            if (dice_.Chance(20)) sheet_->Items()[i].Flags |= OPTIF_CHANGEONCE;
        }
        const std::vector<ItemState> before = TakeState(*sheet_);
        const short duplexBefore = sheet_->PublicDm().dmDuplex;
        unsigned char privateBefore[kSectionSize];
        std::memcpy(privateBefore, sheet_->privateDm->Data(), kSectionSize);
        const LONG answer = param.OEMCUIPCallback(&cb, &param);
        Require(answer == (reason == CPSUICB_REASON_APPLYNOW ? CPSUICB_ACTION_ITEMS_APPLIED : CPSUICB_ACTION_OPTIF_CHANGED),
                "the callback answered " + std::to_string(answer) + " to reason " + std::to_string(reason));
        // Only the first rendering item follows a colour change; nothing else moves.
        const bool bColourChange = reason == CPSUICB_REASON_SEL_CHANGED && cb.pCurItem->DMPubID == DMPUB_COLOR;
        bool bFirstRendering = true;
        for (DWORD i = 0; i < sheet_->Count(); ++i) {
            const OPTITEM& item = sheet_->Items()[i];
            RequireSameShape(before[i], item, i);
            const bool bFollows = bColourChange && bFirstRendering && IsRenderingItem(item);
            if (IsRenderingItem(item)) bFirstRendering = false;
            if (bFollows) {
                Require(item.Sel == cb.pCurItem->Sel, Describe("the rendering item did not follow the colour", i));
                Require(((item.Flags & OPTIF_DISABLED) != 0) == (cb.pCurItem->Sel == 0),
                        Describe("the rendering item's disabling is wrong", i));
                Require((item.Flags & ~OPTIF_DISABLED) == (before[i].flags & ~OPTIF_DISABLED),
                        Describe("flags other than the disabling changed", i));
            } else {
                Require(item.Sel == before[i].sel && item.Flags == before[i].flags,
                        Describe("the callback changed an item it may not", i));
            }
            if (item.pOptType != nullptr) {
                for (WORD p = 0; p < item.pOptType->Count; ++p) {
                    Require(item.pOptType->pOptParam[p].Flags == before[i].paramFlags[p],
                            Describe("the callback changed an option's flags", i));
                }
            }
        }
        const short duplex = sheet_->PublicDm().dmDuplex;
        if (reason == CPSUICB_REASON_APPLYNOW) {
            Require(duplex == duplexBefore || duplex == DMDUP_SIMPLEX || duplex == DMDUP_VERTICAL ||
                        duplex == DMDUP_HORIZONTAL,
                    "dmDuplex became " + std::to_string(duplex));
        } else {
            Require(duplex == duplexBefore, "dmDuplex changed outside an apply");
        }
        Require(std::memcmp(privateBefore, sheet_->privateDm->Data(), kSectionSize) == 0,
                "the callback changed the private section");
        RequireRecordsIntact();
    }

    // An incoming section: inside the incoming settings' driver-extra bytes,
    // which end on a page of their own, with any length and any claimed size;
    // or a record of its own that is as long as its header says.
    struct Incoming {
        std::unique_ptr<GuardedRecord> memory;
        DEVMODEW* publicIn = nullptr;
        unsigned char* section = nullptr;
    };

    Incoming MakeIncoming() {
        Incoming in;
        const bool bInsideSettings = dice_.Chance(60);
        std::size_t length = dice_.Chance(50) ? kSectionSize : dice_.Below(400);
        if (!bInsideSettings && length < 12) length = 12;
        const std::size_t driverOwn = dice_.Below(64);
        const std::size_t front = bInsideSettings ? sizeof(DEVMODEW) + driverOwn : 0;
        in.memory = std::make_unique<GuardedRecord>(front + length);
        Require(in.memory->IsReady(), "no memory for a section");
        in.section = in.memory->Data() + front;
        if (bInsideSettings) {
            in.publicIn = reinterpret_cast<DEVMODEW*>(in.memory->Data());
            in.publicIn->dmSize = sizeof(DEVMODEW);
            in.publicIn->dmDriverExtra = static_cast<WORD>(driverOwn + length);
        }
        // Contents: a sound section of ours, a damaged one, or any bytes.
        const std::uint32_t kind = dice_.Below(3);
        for (std::size_t i = 0; i < length; ++i) in.section[i] = static_cast<unsigned char>(dice_.Any());
        if (kind < 2 && length >= 12) {
            std::uint32_t claimed = static_cast<std::uint32_t>(length);
            if (kind == 1 && bInsideSettings) claimed = dice_.Chance(50) ? dice_.Any() : dice_.Below(400);
            else if (kind == 1) claimed = dice_.Below(static_cast<std::uint32_t>(length) + 1);
            WriteU32(in.section, claimed);
            WriteU32(in.section + 4, kSignature);
            if (length >= 24) WriteU32(in.section + 20, dice_.Chance(80) ? dice_.Below(5) : dice_.Any());
            if (kind == 0) {
                for (const auto& field : kTextFields) {
                    if (field[0] + 2 * field[1] > length) break;
                    const std::size_t units = dice_.Below(static_cast<std::uint32_t>(field[1]));
                    for (std::size_t u = 0; u < field[1]; ++u) {
                        const char16_t unit = u < units ? static_cast<char16_t>(0x30 + dice_.Below(10)) : 0;
                        in.section[field[0] + 2 * u] = static_cast<unsigned char>(unit);
                        in.section[field[0] + 2 * u + 1] = 0;
                    }
                }
            }
        } else if (!bInsideSettings) {
            // Any bytes, but a header the host could have walked by.
            WriteU32(in.section, dice_.Below(static_cast<std::uint32_t>(length) + 1));
        }
        return in;
    }

    void CallDevMode() {
        g_what = "DevMode";
        GuardedRecord paramRecord(sizeof(OEMDMPARAM));
        auto& param = *reinterpret_cast<OEMDMPARAM*>(paramRecord.Data());
        param.cbSize = sizeof(param);
        GuardedRecord out(kSectionSize);
        std::memcpy(out.Data(), sheet_->privateDm->Data(), kSectionSize);
        Incoming in = MakeIncoming();
        const std::uint32_t roll = dice_.Below(20);
        const DWORD mode = roll < 2 ? OEMDM_SIZE : roll < 5 ? OEMDM_DEFAULT : roll < 10 ? OEMDM_CONVERT
                           : roll < 18 ? OEMDM_MERGE : (dice_.Chance(50) ? 0 : 5 + dice_.Below(1000));
        param.pOEMDMOut = dice_.Chance(95) ? out.Data() : nullptr;
        param.pOEMDMIn = dice_.Chance(95) ? in.section : nullptr;
        param.pPublicDMIn = in.publicIn;
        param.cbBufSize = dice_.Chance(80) ? static_cast<DWORD>(kSectionSize) : dice_.Any();
        unsigned char before[kSectionSize];
        std::memcpy(before, out.Data(), kSectionSize);
        const bool bNullParam = dice_.Chance(2);
        SetLastError(0);
        const HRESULT hr = plugin_->DevMode(mode, bNullParam ? nullptr : &param);
        const DWORD lastError = GetLastError();
        const bool bKnown = mode >= OEMDM_SIZE && mode <= OEMDM_MERGE;
        if (bNullParam || !bKnown) {
            Require(hr == E_FAIL && lastError == ERROR_INVALID_PARAMETER, "a bad request did not fail as it should");
            Require(std::memcmp(before, out.Data(), kSectionSize) == 0, "a bad request wrote");
            return;
        }
        Require(hr == S_OK, "DevMode did not answer S_OK for mode " + std::to_string(mode));
        if (mode == OEMDM_SIZE) {
            Require(param.cbBufSize == kSectionSize, "the size request did not answer 172");
        }
        const bool bWrites = mode == OEMDM_DEFAULT ? param.pOEMDMOut != nullptr
                             : mode == OEMDM_SIZE  ? false
                                                   : param.pOEMDMOut != nullptr && param.pOEMDMIn != nullptr;
        if (!bWrites) {
            Require(std::memcmp(before, out.Data(), kSectionSize) == 0, "DevMode wrote without a record to write");
            return;
        }
        const unsigned char* result = out.Data();
        Require(ReadU32(result) == kSectionSize && ReadU32(result + 8) == 2, "the section's size or version is wrong");
        Require(AreTextsTerminated(result), "a text field runs to its end without a terminator");
        Require(ReadU32(result + 4) == ReadU32(before + 4) || ReadU32(result + 4) == kSignature,
                "the section's signature is neither ours nor the one it had");
        Require(out.IsFrontIntact() && in.memory->IsFrontIntact(), "a write before a section");
        // A sound section comes back as the next sheet's settings.
        if (mode != OEMDM_SIZE && ReadU32(result + 4) == kSignature && dice_.Chance(30)) {
            std::memcpy(sheet_->privateDm->Data(), result, kSectionSize);
        }
    }

    void CallGetInfo() {
        g_what = "GetInfo";
        const DWORD mode = dice_.Below(7);
        const std::size_t size = dice_.Below(9);
        GuardedRecord buffer(size, 0xEE);
        GuardedRecord needed(sizeof(DWORD));
        auto* pNeeded = reinterpret_cast<DWORD*>(needed.Data());
        *pNeeded = 0xDEADBEEF;
        const bool bNoBuffer = dice_.Chance(10), bNoNeeded = dice_.Chance(10);
        SetLastError(0);
        const HRESULT hr = plugin_->GetInfo(mode, bNoBuffer ? nullptr : buffer.Data(), static_cast<DWORD>(size),
                                            bNoNeeded ? nullptr : pNeeded);
        const DWORD lastError = GetLastError();
        if (bNoNeeded) {
            Require(hr == E_FAIL && lastError == ERROR_INVALID_PARAMETER, "GetInfo without pcbNeeded");
        } else if (size < 4 || bNoBuffer) {
            Require(hr == E_FAIL && lastError == ERROR_INSUFFICIENT_BUFFER && *pNeeded == 4, "GetInfo, small buffer");
        } else if (mode == OEMGI_GETSIGNATURE || mode == OEMGI_GETVERSION) {
            Require(hr == S_OK && *pNeeded == 4 &&
                        ReadU32(buffer.Data()) == (mode == OEMGI_GETSIGNATURE ? kSignature : 2u),
                    "GetInfo's answer");
            for (std::size_t i = 4; i < size; ++i) Require(buffer.Data()[i] == 0xEE, "GetInfo wrote beyond 4 bytes");
        } else {
            Require(hr == E_FAIL && lastError == ERROR_NOT_SUPPORTED && *pNeeded == 0, "GetInfo, other mode");
        }
    }

    Dice dice_;
    host::PluginLibrary& library_;
    host::SpoolerPrinter& printer_;
    const NamePool& pool_;
    const bool bLegacy_;
    UniqueHeap heap_;
    host::RecordingDriverUI driverUI_;
    ComRef<IPrintOemUI2> plugin_;
    std::unique_ptr<Sheet> sheet_;
};

int Run(int argc, wchar_t** argv) {
    unsigned long calls = 2000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::wcscmp(argv[i], L"--seed") == 0) {
            g_seed = static_cast<std::uint32_t>(std::wcstoul(argv[i + 1], nullptr, 10));
        } else if (std::wcscmp(argv[i], L"--calls") == 0) {
            calls = std::wcstoul(argv[i + 1], nullptr, 10);
        } else {
            std::fputs("usage: random_host_calls [--seed S] [--calls N]\n", stderr);
            return 2;
        }
    }
    SetUnhandledExceptionFilter(ReportFault);
    const std::wstring directory = host::GetProgramDirectory();
    host::PluginLibrary library(directory + L"marlowui.dll");
    Require(library.IsLoaded(), "marlowui.dll did not load");
    host::SpoolerPrinter printer(kPrinterName, directory + L"marlow-c.ppd");
    Require(printer.IsReady(), "the printer could not be set up");
    host::PrinterPpd ppd;
    Require(host::ReadPrinterPpd(directory + L"marlow-c.ppd", ppd), "the sample PPD could not be read");
    const NamePool pool = MakeNamePool(ppd);
    {
        Campaign campaign(g_seed, library, printer, pool);
        campaign.Run(calls);
    }
    std::printf("random_host_calls: seed %u, %lu calls, every one kept to the rules\n", g_seed, calls);
    return 0;
}

}  // namespace
}  // namespace marlow::test

int main() { return marlow::test::RunWithArguments(marlow::test::Run); }

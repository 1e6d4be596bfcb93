// A stand-in for the driver's IPrintOemDriverUI: it answers the installed
// options from a table, records every DrvUpdateUISetting call, and can be
// told to refuse either.
#pragma once

#include "platform/com_object.h"
#include "platform/oem_interfaces.h"

#include <map>
#include <string>
#include <vector>

namespace marlow::host {

struct UpdateUISettingCall {
    PVOID pci;
    OPTITEM* pOptItem;
    DWORD dwPreviousSelection;
    DWORD dwMode;
    LONG selAtCall;     // the item's Sel when the call came
    DWORD flagsAtCall;  // the item's Flags when the call came
};

// The object lives on its owner's stack or heap; the count is kept so that
// tests can see the plug-in balance its references.
class RecordingDriverUI final
    : public ComObject<RecordingDriverUI, IPrintOemDriverUI, CallerOwnedObject> {
public:
    static bool ServesInterface(REFIID riid) noexcept {
        return IsEqualIID(riid, IID_IPrintOemDriverUI) != 0;
    }

    // --- set-up ---
    // The answer to DrvGetDriverSetting for a feature keyword (8-bit, without
    // the asterisk, as the plug-in asks).
    void SetInstalledOption(const std::string& feature, const std::string& option);
    void RefuseGetDriverSetting(bool refuse) { refuseGet_ = refuse; }
    // Refuse DrvUpdateUISetting for items with this DMPubID (or all: -1).
    void RefuseUpdateUISetting(LONG dmPubId) { refusedUpdateIds_.push_back(dmPubId); }

    // --- what happened ---
    LONG References() const { return ReferenceCount(); }
    int QueryInterfaceCalls() const { return queryInterfaceCalls_; }
    const std::vector<std::string>& SettingsAskedFor() const { return settingsAskedFor_; }
    const std::vector<UpdateUISettingCall>& UpdateCalls() const { return updateCalls_; }
    void ClearRecords();

    // Counts the calls, then answers as every object of ours does.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;

    // IPrintOemDriverUI
    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID pci, PCSTR Feature, PVOID pOutput,
                                                  DWORD cbSize, PDWORD pcbNeeded,
                                                  PDWORD pdwOptionsReturned) override;
    HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE hPrinter, PCSTR pFeature,
                                                        PCSTR pOption) override;
    HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID pci, PVOID pOptItem,
                                                 DWORD dwPreviousSelection, DWORD dwMode) override;

private:
    bool IsUpdateRefused(const OPTITEM* item) const;

    int queryInterfaceCalls_ = 0;
    bool refuseGet_ = false;
    std::vector<LONG> refusedUpdateIds_;
    std::map<std::string, std::string> installedOptions_;
    std::vector<std::string> settingsAskedFor_;
    std::vector<UpdateUISettingCall> updateCalls_;
};

// An interface that a host might offer first but that yields no
// IPrintOemDriverUI (like a core helper the plug-in does not use).
class UnrelatedInterface final : public ComObject<UnrelatedInterface, IUnknown, CallerOwnedObject> {
public:
    static bool ServesInterface(REFIID) noexcept { return false; }
    int QueryInterfaceCalls() const { return queryInterfaceCalls_; }
    LONG References() const { return ReferenceCount(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;

private:
    int queryInterfaceCalls_ = 0;
};

}  // namespace marlow::host

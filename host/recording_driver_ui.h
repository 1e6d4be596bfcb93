// A stand-in for the driver's IPrintOemDriverUI: it answers the installed
// options from a table, records every DrvUpdateUISetting call, and can be
// told to refuse either.
#pragma once

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

class RecordingDriverUI final : public IPrintOemDriverUI {
public:
    RecordingDriverUI() = default;
    RecordingDriverUI(const RecordingDriverUI&) = delete;
    RecordingDriverUI& operator=(const RecordingDriverUI&) = delete;

    // --- set-up ---
    // The answer to DrvGetDriverSetting for a feature keyword (8-bit, without
    // the asterisk, as the plug-in asks).
    void SetInstalledOption(const std::string& feature, const std::string& option);
    void RefuseGetDriverSetting(bool refuse) { refuseGet_ = refuse; }
    // Refuse DrvUpdateUISetting for items with this DMPubID (or all: -1).
    void RefuseUpdateUISetting(LONG dmPubId) { refusedUpdateIds_.push_back(dmPubId); }

    // --- what happened ---
    LONG References() const { return refCount_; }
    int QueryInterfaceCalls() const { return queryInterfaceCalls_; }
    const std::vector<std::string>& SettingsAskedFor() const { return settingsAskedFor_; }
    const std::vector<UpdateUISettingCall>& UpdateCalls() const { return updateCalls_; }
    void ClearRecords();

    // IUnknown. The object lives on the caller's stack or heap; the count is
    // kept so that tests can see the plug-in balance its references.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

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

    LONG refCount_ = 1;
    int queryInterfaceCalls_ = 0;
    bool refuseGet_ = false;
    std::vector<LONG> refusedUpdateIds_;
    std::map<std::string, std::string> installedOptions_;
    std::vector<std::string> settingsAskedFor_;
    std::vector<UpdateUISettingCall> updateCalls_;
};

// An interface that a host might offer first but that yields no
// IPrintOemDriverUI (like a core helper the plug-in does not use).
class UnrelatedInterface final : public IUnknown {
public:
    int QueryInterfaceCalls() const { return queryInterfaceCalls_; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

private:
    int queryInterfaceCalls_ = 0;
};

}  // namespace marlow::host

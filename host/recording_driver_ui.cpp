#include "host/recording_driver_ui.h"

#include <algorithm>
#include <cstring>

namespace marlow::host {

void RecordingDriverUI::SetInstalledOption(const std::string& feature, const std::string& option) {
    installedOptions_[feature] = option;
}

void RecordingDriverUI::ClearRecords() {
    settingsAskedFor_.clear();
    updateCalls_.clear();
}

HRESULT RecordingDriverUI::QueryInterface(REFIID riid, void** ppv) {
    ++queryInterfaceCalls_;
    return ComObject::QueryInterface(riid, ppv);
}

HRESULT RecordingDriverUI::DrvGetDriverSetting(PVOID, PCSTR Feature, PVOID pOutput, DWORD cbSize,
                                               PDWORD pcbNeeded, PDWORD pdwOptionsReturned) {
    // Small integers stand for the driver's own settings (OEMGDS_*); we
    // answer keywords only.
    if (reinterpret_cast<ULONG_PTR>(Feature) < 0x10000) {
        return E_NOTIMPL;
    }
    settingsAskedFor_.emplace_back(Feature);
    if (refuseGet_) {
        return E_FAIL;
    }
    const auto found = installedOptions_.find(Feature);
    if (found == installedOptions_.end()) {
        return E_INVALIDARG;
    }
    const DWORD needed = static_cast<DWORD>(found->second.size() + 1);
    if (pcbNeeded != nullptr) {
        *pcbNeeded = needed;
    }
    if (pdwOptionsReturned != nullptr) {
        *pdwOptionsReturned = 1;
    }
    if (pOutput == nullptr || cbSize < needed) {
        return E_OUTOFMEMORY;
    }
    std::memcpy(pOutput, found->second.c_str(), needed);
    return S_OK;
}

HRESULT RecordingDriverUI::DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) { return E_NOTIMPL; }

HRESULT RecordingDriverUI::DrvUpdateUISetting(PVOID pci, PVOID pOptItem, DWORD dwPreviousSelection,
                                              DWORD dwMode) {
    auto* item = static_cast<OPTITEM*>(pOptItem);
    updateCalls_.push_back({pci, item, dwPreviousSelection, dwMode,
                            item != nullptr ? item->Sel : 0, item != nullptr ? item->Flags : 0});
    return IsUpdateRefused(item) ? E_FAIL : S_OK;
}

bool RecordingDriverUI::IsUpdateRefused(const OPTITEM* item) const {
    return std::any_of(refusedUpdateIds_.begin(), refusedUpdateIds_.end(), [&](LONG id) {
        return id == -1 || (item != nullptr && static_cast<LONG>(item->DMPubID) == id);
    });
}

HRESULT UnrelatedInterface::QueryInterface(REFIID riid, void** ppv) {
    ++queryInterfaceCalls_;
    return ComObject::QueryInterface(riid, ppv);
}

}  // namespace marlow::host

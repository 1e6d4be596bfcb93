#include "host/host_sheet.h"

#include <algorithm>
#include <cstring>

namespace marlow::host {

HostSheet::HostSheet(DWORD mode, const std::vector<HostItemDescription>& items,
                     HMODULE hPluginModule, const std::vector<unsigned char>& privateSection)
    : mode_(mode),
      heap_(HeapCreate(0, 0, 0)),
      items_(items),
      privateSize_(privateSection.size()),
      settings_(std::make_unique<unsigned char[]>(sizeof(DEVMODEW) + privateSection.size())) {
    uiObject_.cbSize = sizeof(uiObject_);
    uiObject_.pOemUIProcs = &procs_;

    DEVMODEW& devmode = PublicDevmode();
    devmode.dmSize = sizeof(DEVMODEW);
    devmode.dmDriverExtra = static_cast<WORD>(privateSize_);
    devmode.dmFields = DM_ORIENTATION | DM_DUPLEX | DM_COLOR;
    devmode.dmDuplex = DMDUP_SIMPLEX;
    lstrcpynW(devmode.dmDeviceName, L"Vantor Marlow C", CCHDEVICENAME);
    if (!privateSection.empty()) {
        std::memcpy(PrivateSection(), privateSection.data(), privateSection.size());
    }

    param_.cbSize = sizeof(param_);
    param_.poemuiobj = &uiObject_;
    param_.hModule = hPluginModule;
    param_.hOEMHeap = heap_.Get();
    if (mode == OEMCUIP_DOCPROP) {
        param_.pPublicDM = &devmode;
        param_.pOEMDM = privateSize_ != 0 ? PrivateSection() : nullptr;
    }
    param_.pDrvOptItems = items_.Data();
    param_.cDrvOptItems = items_.Count();
}

void HostSheet::PrepareCountingCall() {
    param_.pOEMOptItems = nullptr;
    param_.cOEMOptItems = 0;
}

void HostSheet::PrepareFillingCall() {
    pluginItems_.assign(std::max<DWORD>(param_.cOEMOptItems, 1), OPTITEM{});
    param_.pOEMOptItems = pluginItems_.data();
}

LONG HostSheet::CallItemCallback(WORD reason, OPTITEM* current) {
    return CallItemCallback(reason, current, current != nullptr ? current->Sel : 0);
}

LONG HostSheet::CallItemCallback(WORD reason, OPTITEM* current, LONG oldSel) {
    CPSUICBPARAM cb = {};
    cb.cbSize = sizeof(cb);
    cb.Reason = reason;
    cb.pOptItem = param_.pDrvOptItems;
    cb.cOptItem = static_cast<WORD>(param_.cDrvOptItems);
    cb.pCurItem = current;
    cb.OldSel = oldSel;
    cb.UserData = reinterpret_cast<ULONG_PTR>(param_.pOEMUserData);
    return param_.OEMCUIPCallback != nullptr ? param_.OEMCUIPCallback(&cb, &param_) : -1;
}

}  // namespace marlow::host

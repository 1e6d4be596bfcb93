#include "host/host_sheet.h"

#include "devmode/private_devmode.h"

#include <algorithm>

namespace marlow::host {

HostSheet::HostSheet(DWORD mode, const std::vector<HostItemSpec>& items, HMODULE hPluginModule)
    : mode_(mode), heap_(HeapCreate(0, 0, 0)), items_(items) {
    uiObject_.cbSize = sizeof(uiObject_);
    uiObject_.pOemUIProcs = &procs_;

    devmode_.publicPart.dmSize = sizeof(DEVMODEW);
    devmode_.publicPart.dmDriverExtra = sizeof(devmode_.privatePart);
    devmode_.publicPart.dmFields = DM_ORIENTATION | DM_DUPLEX | DM_COLOR;
    devmode_.publicPart.dmDuplex = DMDUP_SIMPLEX;
    lstrcpynW(devmode_.publicPart.dmDeviceName, L"Vantor Marlow C", CCHDEVICENAME);
    SetPrivateDevmodeDefaults(devmode_.privatePart);

    param_.cbSize = sizeof(param_);
    param_.poemuiobj = &uiObject_;
    param_.hModule = hPluginModule;
    param_.hOEMHeap = heap_;
    if (mode == OEMCUIP_DOCPROP) {
        param_.pPublicDM = &devmode_.publicPart;
        param_.pOEMDM = devmode_.privatePart;
    }
    param_.pDrvOptItems = items_.Data();
    param_.cDrvOptItems = items_.Count();
}

HostSheet::~HostSheet() {
    if (heap_ != nullptr) {
        HeapDestroy(heap_);
    }
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
    CPSUICBPARAM cb = {};
    cb.cbSize = sizeof(cb);
    cb.Reason = reason;
    cb.pOptItem = param_.pDrvOptItems;
    cb.cOptItem = static_cast<WORD>(param_.cDrvOptItems);
    cb.pCurItem = current;
    cb.OldSel = current != nullptr ? current->Sel : 0;
    cb.UserData = reinterpret_cast<ULONG_PTR>(param_.pOEMUserData);
    return param_.OEMCUIPCallback != nullptr ? param_.OEMCUIPCallback(&cb, &param_) : -1;
}

}  // namespace marlow::host

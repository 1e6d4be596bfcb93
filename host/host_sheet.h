// The records the driver's UI module hands the plug-in for one property
// sheet: OEMCUIPPARAM with its OEMUIOBJ, a heap of the sheet's own, the item
// array, and (document sheet) the public DEVMODEW with the plug-in's private
// section behind it.
#pragma once

#include "host/item_array.h"
#include "platform/win32_handles.h"

#include <memory>
#include <vector>

namespace marlow::host {

class HostSheet {
public:
    // privateSection: the plug-in's section as the driver keeps it behind the
    // public settings (its defaults, asked of the plug-in through DevMode).
    HostSheet(DWORD mode, const std::vector<HostItemDescription>& items, HMODULE hPluginModule,
              const std::vector<unsigned char>& privateSection);
    HostSheet(const HostSheet&) = delete;
    HostSheet& operator=(const HostSheet&) = delete;

    DWORD Mode() const { return mode_; }
    OEMCUIPPARAM& Param() { return param_; }
    ItemArray& Items() { return items_; }
    DEVMODEW& PublicDevmode() { return *reinterpret_cast<DEVMODEW*>(settings_.get()); }
    unsigned char* PrivateSection() { return settings_.get() + sizeof(DEVMODEW); }
    std::size_t PrivateSectionSize() const { return privateSize_; }
    HANDLE Heap() const { return heap_.Get(); }

    // The counting call sees no item array of ours; the filling call one with
    // room for what the counting call asked for (at least one record).
    void PrepareCountingCall();
    void PrepareFillingCall();

    // The item callback the plug-in registered in the filling call, if any.
    // oldSel: the current item's selection before the change (its Sel when
    // not given).
    LONG CallItemCallback(WORD reason, OPTITEM* current);
    LONG CallItemCallback(WORD reason, OPTITEM* current, LONG oldSel);

private:
    DWORD mode_;
    UniqueHeap heap_;
    OEMUIPROCS procs_ = {};
    OEMUIOBJ uiObject_ = {};
    ItemArray items_;
    // The public DEVMODEW and the private section right behind it, as the
    // driver lays them out (dmDriverExtra).
    std::size_t privateSize_;
    std::unique_ptr<unsigned char[]> settings_;
    std::vector<OPTITEM> pluginItems_;
    OEMCUIPPARAM param_ = {};
};

}  // namespace marlow::host

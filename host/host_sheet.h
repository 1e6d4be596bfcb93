// The records the driver's UI module hands the plug-in for one property
// sheet: OEMCUIPPARAM with its OEMUIOBJ, a heap of the sheet's own, the item
// array, and (document sheet) the public DEVMODEW with the 172-byte private
// section behind it.
#pragma once

#include "host/item_array.h"

#include <vector>

namespace marlow::host {

class HostSheet {
public:
    HostSheet(DWORD mode, const std::vector<HostItemSpec>& items, HMODULE hPluginModule);
    ~HostSheet();
    HostSheet(const HostSheet&) = delete;
    HostSheet& operator=(const HostSheet&) = delete;

    DWORD Mode() const { return mode_; }
    OEMCUIPPARAM& Param() { return param_; }
    ItemArray& Items() { return items_; }
    DEVMODEW& PublicDevmode() { return devmode_.publicPart; }
    unsigned char* PrivateSection() { return devmode_.privatePart; }
    HANDLE Heap() const { return heap_; }

    // The counting call sees no item array of ours; the filling call one with
    // room for what the counting call asked for (at least one record).
    void PrepareCountingCall();
    void PrepareFillingCall();

    // The item callback the plug-in registered in the filling call, if any.
    LONG CallItemCallback(WORD reason, OPTITEM* current);

private:
    struct DocumentSettings {
        DEVMODEW publicPart;
        unsigned char privatePart[172];
    };

    DWORD mode_;
    HANDLE heap_;
    OEMUIPROCS procs_ = {};
    OEMUIOBJ uiObject_ = {};
    ItemArray items_;
    DocumentSettings devmode_ = {};
    std::vector<OPTITEM> pluginItems_;
    OEMCUIPPARAM param_ = {};
};

}  // namespace marlow::host

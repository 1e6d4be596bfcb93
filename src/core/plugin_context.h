// The per-sheet state of one plug-in object. The item adjustment fills it in
// CommonUIProp, the page registration in DocumentPropertySheets; the pages and
// the item callback find it again through the lParam and pOEMUserData the
// plug-in hands the host. Used on the host's user-interface thread only.
#pragma once

#include "platform/com_ref.h"
#include "platform/oem_interfaces.h"

#include <memory>

namespace marlow {

class PpdModel;

struct PluginContext {
    // The model of the printer's PPD file; built by the first counting call
    // that finds the file, destroyed with the plug-in object.
    std::unique_ptr<PpdModel> pPpdModel;
    // The host's property sheet, as PROPSHEETUI_INFO gave it.
    HANDLE hComPropSheet = nullptr;
    // What the host returned when the Extended Settings page was added.
    HANDLE hJobSettingsPage = nullptr;
    // The host's record of the most recent CommonUIProp call. Not ours: the
    // host keeps it valid while its sheet exists.
    POEMCUIPPARAM pOemCuiParam = nullptr;
    PFNCOMPROPSHEET pfnComPropSheet = nullptr;
    // The only road to the host's settings; held from PublishDriverInterface
    // until the object goes.
    ComRef<IPrintOemDriverUI> pDriverUI;
    // 1 on platforms older than 5.1 with service pack 3.
    BOOL bLegacyPlatform = FALSE;
    // What the host returned when the Layout page was added.
    HANDLE hLayoutPage = nullptr;

    PluginContext();
    PluginContext(const PluginContext&) = delete;
    PluginContext& operator=(const PluginContext&) = delete;
    ~PluginContext();
};

}  // namespace marlow

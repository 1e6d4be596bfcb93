#include "host/property_sheet_param.h"

namespace marlow::host {

OEMUIPSPARAM MakePropertySheetParam(const OEMCUIPPARAM& cuip) {
    OEMUIPSPARAM param = {};
    param.cbSize = sizeof(OEMUIPSPARAM);
    param.poemuiobj = cuip.poemuiobj;
    param.hPrinter = cuip.hPrinter;
    param.pPrinterName = cuip.pPrinterName;
    param.hModule = cuip.hModule;
    param.hOEMHeap = cuip.hOEMHeap;
    param.pPublicDM = cuip.pPublicDM;
    param.pOEMDM = cuip.pOEMDM;
    param.pOEMUserData = cuip.pOEMUserData;
    param.dwFlags = cuip.dwFlags;
    return param;
}

}  // namespace marlow::host

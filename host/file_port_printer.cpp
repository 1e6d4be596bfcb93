#include "host/file_port_printer.h"

namespace marlow::host {

UniquePrinter AddFilePortPrinter(const std::wstring& printerName, const std::wstring& driverName) {
    std::wstring name = printerName, driver = driverName, port = L"FILE:", processor = L"WinPrint", datatype = L"RAW";
    PRINTER_INFO_2W info = {};
    info.pPrinterName = &name[0];
    info.pPortName = &port[0];
    info.pDriverName = &driver[0];
    info.pPrintProcessor = &processor[0];
    info.pDatatype = &datatype[0];
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    return UniquePrinter(AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info)));
}

}  // namespace marlow::host

#include "host/spooler_printer.h"

#include "host/file_port_printer.h"

#include <vector>

namespace marlow::host {
namespace {

std::wstring GetDriverDirectory() {
    DWORD needed = 0;
    GetPrinterDriverDirectoryW(nullptr, nullptr, 1, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed + sizeof(WCHAR));
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, buffer.data(),
                                    static_cast<DWORD>(buffer.size()), &needed)) {
        return std::wstring();
    }
    return reinterpret_cast<const wchar_t*>(buffer.data());
}

std::wstring DescribeError(const std::wstring& what) {
    return what + L" failed with error " + std::to_wstring(GetLastError());
}

}  // namespace

SpoolerPrinter::SpoolerPrinter(const std::wstring& printerName, const std::wstring& ppdPath)
    : printerName_(printerName), driverName_(printerName + L" Driver") {
    RemoveLeftovers();
    if (InstallDriver(ppdPath)) {
        AddAndOpenPrinter();
    }
}

SpoolerPrinter::~SpoolerPrinter() {
    printer_.Reset();
    if (addedPrinter_) {
        DeletePrinter(addedPrinter_.Get());
        addedPrinter_.Reset();
    }
    if (driverAdded_) {
        DeletePrinterDriverW(nullptr, nullptr, &driverName_[0]);
    }
    if (!installedPpd_.empty()) {
        DeleteFileW(installedPpd_.c_str());
    }
}

// A run that ended early may have left the printer and its driver behind.
void SpoolerPrinter::RemoveLeftovers() {
    UniquePrinter old;
    PRINTER_DEFAULTSW access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (OpenPrinterW(&printerName_[0], old.Put(), &access)) {
        DeletePrinter(old.Get());
    }
    DeletePrinterDriverW(nullptr, nullptr, &driverName_[0]);
}

bool SpoolerPrinter::Fail(const std::wstring& what) {
    problem_ = DescribeError(what);
    return false;
}

bool SpoolerPrinter::InstallDriver(const std::wstring& ppdPath) {
    const std::wstring directory = GetDriverDirectory();
    if (directory.empty()) {
        return Fail(L"GetPrinterDriverDirectoryW");
    }
    // The driver's files live in the driver directory; the PPD under a name
    // of this printer's own, so that several printers can coexist.
    installedPpd_ = directory + L"\\" + printerName_ + L".ppd";
    if (!CopyFileW(ppdPath.c_str(), installedPpd_.c_str(), FALSE)) {
        installedPpd_.clear();
        return Fail(L"CopyFileW of the PPD");
    }
    std::wstring environment;  // the default environment
    DRIVER_INFO_3W info = {};
    info.cVersion = 3;
    info.pName = &driverName_[0];
    info.pDriverPath = &installedPpd_[0];
    info.pDataFile = &installedPpd_[0];
    info.pConfigFile = &installedPpd_[0];
    if (!AddPrinterDriverW(nullptr, 3, reinterpret_cast<LPBYTE>(&info))) {
        return Fail(L"AddPrinterDriverW");
    }
    driverAdded_ = true;
    return true;
}

bool SpoolerPrinter::AddAndOpenPrinter() {
    addedPrinter_ = AddFilePortPrinter(printerName_, driverName_);
    if (!addedPrinter_) {
        return Fail(L"AddPrinterW");
    }
    if (!OpenPrinterW(&printerName_[0], printer_.Put(), nullptr)) {
        static_cast<void>(printer_.Release());  // whatever a failed call left there
        return Fail(L"OpenPrinterW");
    }
    return true;
}

}  // namespace marlow::host

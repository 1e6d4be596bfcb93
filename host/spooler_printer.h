// A printer set up in the (Wine) spooler for the duration of a test or a
// simulator run: a driver whose data file is the given PPD, a printer using it
// on port FILE:, and an open handle to it. The plug-in finds the PPD through
// GetPrinterDriverW on that handle, as it does on a real system.
#pragma once

#include "platform/win32_handles.h"

#include <string>

namespace marlow::host {

class SpoolerPrinter {
public:
    SpoolerPrinter(const std::wstring& printerName, const std::wstring& ppdPath);
    ~SpoolerPrinter();
    SpoolerPrinter(const SpoolerPrinter&) = delete;
    SpoolerPrinter& operator=(const SpoolerPrinter&) = delete;

    bool IsReady() const { return printer_.IsValid(); }
    HANDLE Handle() const { return printer_.Get(); }
    // What failed, when not ready.
    const std::wstring& Problem() const { return problem_; }
    // The PPD's path in the spooler's driver directory.
    const std::wstring& InstalledPpdPath() const { return installedPpd_; }

private:
    void RemoveLeftovers();
    bool InstallDriver(const std::wstring& ppdPath);
    bool AddAndOpenPrinter();
    bool Fail(const std::wstring& what);

    std::wstring printerName_;
    std::wstring driverName_;
    std::wstring installedPpd_;
    std::wstring installedDriverFile_;
    bool driverAdded_ = false;
    UniquePrinter addedPrinter_;
    UniquePrinter printer_;
    std::wstring problem_;
};

}  // namespace marlow::host

// The document settings this driver hands out and takes back: the public
// DEVMODEW (dmSize = sizeof(DEVMODEW)) followed by the plug-in's private
// section, whose length is dmDriverExtra. Stored settings come from
// applications and files and are not trusted: only what their own sizes
// cover is read, and a private section whose header claims more than the
// settings carry is not handed to the plug-in at all.
#pragma once

#include "platform/oem_interfaces.h"

#include <cstddef>
#include <string>
#include <vector>

namespace marlow::host {

// The public part's smallest and largest size this driver reads as stored
// settings: up to dmFields, and a generous bound on later platform versions.
constexpr std::size_t kMinStoredPublicSize = offsetof(DEVMODEW, dmFields) + sizeof(DWORD);
constexpr std::size_t kMaxStoredPublicSize = 0x1000;

// What a stored DEVMODEW offers, judged by its own sizes alone.
struct StoredSettingsView {
    bool bPublicUsable = false;   // dmSize lies within the bounds above
    // The plug-in's section as the stored settings carry it: the bytes its
    // header counts, when that count fits dmDriverExtra; null otherwise.
    const unsigned char* pSection = nullptr;
    std::size_t sectionSize = 0;
};

StoredSettingsView ViewStoredSettings(const DEVMODEW* stored);

class DocumentSettings {
public:
    // The defaults: portrait, one copy, colour, one-sided, and the plug-in's
    // own private defaults.
    DocumentSettings(const std::wstring& printerName, std::vector<unsigned char> privateDefaults);

    DEVMODEW& Public() { return public_; }
    const DEVMODEW& Public() const { return public_; }
    std::vector<unsigned char>& Private() { return private_; }
    const std::vector<unsigned char>& Private() const { return private_; }
    DWORD Size() const { return static_cast<DWORD>(sizeof(DEVMODEW) + private_.size()); }

    // Takes the public choices a stored DEVMODEW marks in dmFields (those
    // with values this driver knows), and has the plug-in merge its stored
    // section into the private defaults. Returns whether the stored section
    // was handed to the plug-in.
    bool TakeStored(const DEVMODEW* stored, IPrintOemUI2& plugin, HANDLE hPrinter);

    // Writes the settings into an application's buffer of cbOut bytes; false,
    // with nothing written, when the buffer is missing or too small.
    [[nodiscard]] bool WriteTo(DEVMODEW* out, DWORD cbOut) const;

private:
    void TakePublicChoices(const DEVMODEW& stored);

    DEVMODEW public_ = {};
    std::vector<unsigned char> private_;
};

}  // namespace marlow::host

#include "host/ui_module/document_settings.h"

#include "host/driver_calls.h"

#include <algorithm>
#include <cstring>

namespace marlow::host {
namespace {

constexpr DWORD kKnownFields = DM_ORIENTATION | DM_COPIES | DM_COLOR | DM_DUPLEX | DM_COLLATE;
constexpr short kMaxCopies = 9999;

// Whether the stored settings' dmSize covers the member that ends at end.
bool Covers(const DEVMODEW& stored, std::size_t end) { return stored.dmSize >= end; }

template <typename Member>
std::size_t EndOf(std::size_t offset, const Member&) {
    return offset + sizeof(Member);
}

}  // namespace

StoredSettingsView ViewStoredSettings(const DEVMODEW* stored) {
    StoredSettingsView view;
    if (stored == nullptr || stored->dmSize < kMinStoredPublicSize || stored->dmSize > kMaxStoredPublicSize) {
        return view;
    }
    view.bPublicUsable = true;
    const std::size_t extra = stored->dmDriverExtra;
    if (extra < sizeof(OEM_DMEXTRAHEADER)) {
        return view;
    }
    const auto* section = reinterpret_cast<const unsigned char*>(stored) + stored->dmSize;
    OEM_DMEXTRAHEADER header = {};
    std::memcpy(&header, section, sizeof(header));
    if (header.dwSize < sizeof(OEM_DMEXTRAHEADER) || header.dwSize > extra) {
        return view;
    }
    view.pSection = section;
    view.sectionSize = header.dwSize;
    return view;
}

DocumentSettings::DocumentSettings(const std::wstring& printerName, std::vector<unsigned char> privateDefaults)
    : private_(std::move(privateDefaults)) {
    lstrcpynW(public_.dmDeviceName, printerName.c_str(), CCHDEVICENAME);
    public_.dmSpecVersion = DM_SPECVERSION;
    public_.dmDriverVersion = 0x0100;
    public_.dmSize = sizeof(DEVMODEW);
    public_.dmDriverExtra = static_cast<WORD>(private_.size());
    public_.dmFields = kKnownFields;
    public_.dmOrientation = DMORIENT_PORTRAIT;
    public_.dmCopies = 1;
    public_.dmColor = DMCOLOR_COLOR;
    public_.dmDuplex = DMDUP_SIMPLEX;
    public_.dmCollate = DMCOLLATE_FALSE;
}

void DocumentSettings::TakePublicChoices(const DEVMODEW& stored) {
    const DWORD fields = stored.dmFields;
    if ((fields & DM_ORIENTATION) && Covers(stored, EndOf(offsetof(DEVMODEW, dmOrientation), stored.dmOrientation)) &&
        (stored.dmOrientation == DMORIENT_PORTRAIT || stored.dmOrientation == DMORIENT_LANDSCAPE)) {
        public_.dmOrientation = stored.dmOrientation;
    }
    if ((fields & DM_COPIES) && Covers(stored, EndOf(offsetof(DEVMODEW, dmCopies), stored.dmCopies)) &&
        stored.dmCopies >= 1 && stored.dmCopies <= kMaxCopies) {
        public_.dmCopies = stored.dmCopies;
    }
    if ((fields & DM_COLOR) && Covers(stored, EndOf(offsetof(DEVMODEW, dmColor), stored.dmColor)) &&
        (stored.dmColor == DMCOLOR_COLOR || stored.dmColor == DMCOLOR_MONOCHROME)) {
        public_.dmColor = stored.dmColor;
    }
    if ((fields & DM_DUPLEX) && Covers(stored, EndOf(offsetof(DEVMODEW, dmDuplex), stored.dmDuplex)) &&
        stored.dmDuplex >= DMDUP_SIMPLEX && stored.dmDuplex <= DMDUP_HORIZONTAL) {
        public_.dmDuplex = stored.dmDuplex;
    }
    if ((fields & DM_COLLATE) && Covers(stored, EndOf(offsetof(DEVMODEW, dmCollate), stored.dmCollate)) &&
        (stored.dmCollate == DMCOLLATE_TRUE || stored.dmCollate == DMCOLLATE_FALSE)) {
        public_.dmCollate = stored.dmCollate;
    }
}

bool DocumentSettings::TakeStored(const DEVMODEW* stored, IPrintOemUI2& plugin, HANDLE hPrinter) {
    const StoredSettingsView view = ViewStoredSettings(stored);
    if (!view.bPublicUsable) {
        return false;
    }
    TakePublicChoices(*stored);
    if (view.pSection == nullptr || private_.empty()) {
        return false;
    }
    // The plug-in reads the incoming section through its own header: hand it
    // a copy that is never shorter than the section it knows.
    std::vector<unsigned char> incoming(std::max(view.sectionSize, private_.size()), 0);
    std::memcpy(incoming.data(), view.pSection, view.sectionSize);
    static_cast<void>(MergePrivateSection(plugin, hPrinter, incoming.data(), private_));
    return true;
}

bool DocumentSettings::WriteTo(DEVMODEW* out, DWORD cbOut) const {
    if (out == nullptr || cbOut < Size()) {
        return false;
    }
    std::memcpy(out, &public_, sizeof(DEVMODEW));
    if (!private_.empty()) {
        std::memcpy(reinterpret_cast<unsigned char*>(out) + sizeof(DEVMODEW), private_.data(), private_.size());
    }
    return true;
}

}  // namespace marlow::host

// The host's item array (OPTITEM records with their option types, option
// parameters, USERDATA and texts), built from a plain description and owned
// here, so that the records stay valid, at fixed addresses, for as long as the
// plug-in may look at them.
#pragma once

#include "platform/oem_records.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace marlow::host {

struct HostItemDescription {
    BYTE level = 1;
    // pName: a text, or - when nameResourceId is non-zero - a resource id.
    std::wstring name;
    WORD nameResourceId = 0;
    BYTE dmPubId = 0;
    LONG sel = 0;
    DWORD flags = 0;
    // The 8-bit keyword of the item's PPD feature, without its asterisk;
    // empty: no USERDATA at all.
    std::string keyword;
    // The texts of the option parameters; no options: no OPTTYPE.
    std::vector<std::wstring> options;
};

class ItemArray {
public:
    explicit ItemArray(const std::vector<HostItemDescription>& descriptions);
    ItemArray(const ItemArray&) = delete;
    ItemArray& operator=(const ItemArray&) = delete;

    OPTITEM* Data() { return items_.empty() ? nullptr : items_.data(); }
    DWORD Count() const { return static_cast<DWORD>(items_.size()); }
    OPTITEM& operator[](std::size_t index) { return items_[index]; }
    const HostItemDescription& Description(std::size_t index) const { return descriptions_[index]; }

    // The first item with this DMPubID, or with this name; null when none.
    OPTITEM* FindByDmPubId(BYTE dmPubId);
    OPTITEM* FindByName(const std::wstring& name);
    std::size_t IndexOf(const OPTITEM* item) const;

    // The text an item or parameter shows (resource ids as "#<id>").
    static std::wstring DescribeName(const OPTITEM& item) { return DescribeText(item.pName); }
    static std::wstring DescribeText(LPCWSTR text);

private:
    LPWSTR KeepText(const std::wstring& text);

    std::vector<HostItemDescription> descriptions_;
    std::vector<OPTITEM> items_;
    std::vector<std::unique_ptr<OPTTYPE>> types_;
    std::vector<std::unique_ptr<OPTPARAM[]>> params_;
    std::vector<std::unique_ptr<USERDATA>> userData_;
    std::deque<std::wstring> texts_;
    std::deque<std::string> keywords_;
};

}  // namespace marlow::host

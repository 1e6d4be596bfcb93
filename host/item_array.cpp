#include "host/item_array.h"

namespace marlow::host {

ItemArray::ItemArray(const std::vector<HostItemSpec>& specs) : specs_(specs) {
    items_.resize(specs_.size());
    for (std::size_t i = 0; i < specs_.size(); ++i) {
        const HostItemSpec& spec = specs_[i];
        OPTITEM& item = items_[i];
        item = OPTITEM{};
        item.cbSize = sizeof(OPTITEM);
        item.Level = spec.level;
        item.Flags = spec.flags;
        item.Sel = spec.sel;
        item.DMPubID = spec.dmPubId;
        item.pName = spec.nameResourceId != 0 ? MAKEINTRESOURCEW(spec.nameResourceId)
                                              : KeepText(spec.name);
        if (!spec.keyword.empty()) {
            keywords_.push_back(spec.keyword);
            auto userData = std::make_unique<USERDATA>();
            *userData = USERDATA{};
            userData->dwSize = sizeof(USERDATA);
            userData->dwItemID = i;
            userData->pKeyWordName = &keywords_.back()[0];
            item.UserData = reinterpret_cast<ULONG_PTR>(userData.get());
            userData_.push_back(std::move(userData));
        }
        if (!spec.options.empty()) {
            auto params = std::make_unique<OPTPARAM[]>(spec.options.size());
            for (std::size_t k = 0; k < spec.options.size(); ++k) {
                params[k] = OPTPARAM{};
                params[k].cbSize = sizeof(OPTPARAM);
                params[k].pData = KeepText(spec.options[k]);
            }
            auto type = std::make_unique<OPTTYPE>();
            *type = OPTTYPE{};
            type->cbSize = sizeof(OPTTYPE);
            type->Type = TVOT_LISTBOX;
            type->Count = static_cast<WORD>(spec.options.size());
            type->pOptParam = params.get();
            item.pOptType = type.get();
            params_.push_back(std::move(params));
            types_.push_back(std::move(type));
        }
    }
}

LPWSTR ItemArray::KeepText(const std::wstring& text) {
    texts_.push_back(text);
    return &texts_.back()[0];
}

OPTITEM* ItemArray::FindByDmPubId(BYTE dmPubId) {
    for (OPTITEM& item : items_) {
        if (item.DMPubID == dmPubId) return &item;
    }
    return nullptr;
}

OPTITEM* ItemArray::FindByName(const std::wstring& name) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (specs_[i].nameResourceId == 0 && specs_[i].name == name) return &items_[i];
    }
    return nullptr;
}

std::size_t ItemArray::IndexOf(const OPTITEM* item) const {
    return static_cast<std::size_t>(item - items_.data());
}

std::wstring ItemArray::DescribeText(LPCWSTR text) {
    const auto value = reinterpret_cast<ULONG_PTR>(text);
    if (value < 0x10000) {
        return L"#" + std::to_wstring(value);
    }
    return text;
}

}  // namespace marlow::host

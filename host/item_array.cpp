#include "host/item_array.h"

namespace marlow::host {

ItemArray::ItemArray(const std::vector<HostItemDescription>& descriptions)
    : descriptions_(descriptions) {
    items_.resize(descriptions_.size());
    for (std::size_t i = 0; i < descriptions_.size(); ++i) {
        const HostItemDescription& description = descriptions_[i];
        OPTITEM& item = items_[i];
        item = OPTITEM{};
        item.cbSize = sizeof(OPTITEM);
        item.Level = description.level;
        item.Flags = description.flags;
        item.Sel = description.sel;
        item.DMPubID = description.dmPubId;
        item.pName = description.nameResourceId != 0 ? MAKEINTRESOURCEW(description.nameResourceId)
                                                     : KeepText(description.name);
        if (!description.keyword.empty()) {
            keywords_.push_back(description.keyword);
            auto userData = std::make_unique<USERDATA>();
            *userData = USERDATA{};
            userData->dwSize = sizeof(USERDATA);
            userData->dwItemID = i;
            userData->pKeyWordName = &keywords_.back()[0];
            item.UserData = reinterpret_cast<ULONG_PTR>(userData.get());
            userData_.push_back(std::move(userData));
        }
        if (!description.options.empty()) {
            auto params = std::make_unique<OPTPARAM[]>(description.options.size());
            for (std::size_t k = 0; k < description.options.size(); ++k) {
                params[k] = OPTPARAM{};
                params[k].cbSize = sizeof(OPTPARAM);
                params[k].pData = KeepText(description.options[k]);
            }
            auto type = std::make_unique<OPTTYPE>();
            *type = OPTTYPE{};
            type->cbSize = sizeof(OPTTYPE);
            type->Type = TVOT_LISTBOX;
            type->Count = static_cast<WORD>(description.options.size());
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
        if (descriptions_[i].nameResourceId == 0 && descriptions_[i].name == name) {
            return &items_[i];
        }
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

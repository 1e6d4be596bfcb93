#include "item_tree_report.h"

#include <algorithm>
#include <string>

namespace marlow::host {

const wchar_t* DescribeDmPubId(BYTE id) {
    switch (id) {
    case DMPUB_ORIENTATION: return L"DMPUB_ORIENTATION";
    case DMPUB_DEFSOURCE: return L"DMPUB_DEFSOURCE";
    case DMPUB_PRINTQUALITY: return L"DMPUB_PRINTQUALITY";
    case DMPUB_COLOR: return L"DMPUB_COLOR";
    case DMPUB_DUPLEX: return L"DMPUB_DUPLEX";
    case DMPUB_FORMNAME: return L"DMPUB_FORMNAME";
    case DMPUB_MEDIATYPE: return L"DMPUB_MEDIATYPE";
    case DMPUB_NUP: return L"DMPUB_NUP";
    case DMPUB_PAGEORDER: return L"DMPUB_PAGEORDER";
    case 18: return L"DMPUB_NUP_DIRECTION";
    case 19: return L"DMPUB_MANUAL_DUPLEX";
    case 20: return L"DMPUB_STAPLE";
    case 21: return L"DMPUB_BOOKLET_EDGE";
    default: return nullptr;
    }
}

std::vector<std::wstring> ListItemNotes(const OPTITEM& item) {
    std::vector<std::wstring> notes;
    auto add = [&](const std::wstring& note) { notes.push_back(note); };
    if (item.Flags & OPTIF_HIDE) add(L"hidden");
    if (item.Flags & OPTIF_DISABLED) add(L"disabled");
    if (item.Flags & OPTIF_INITIAL_TVITEM) add(L"initial tree item");
    if (item.Flags & OPTIF_CHANGEONCE) add(L"changed");
    if (item.pOptType != nullptr && item.pOptType->pOptParam != nullptr) {
        std::wstring marked;
        bool optionsHidden = false;
        for (WORD i = 0; i < item.pOptType->Count; ++i) {
            const OPTPARAM& param = item.pOptType->pOptParam[i];
            if (param.Flags & OPTPF_OVERLAY_WARNING_ICON) {
                marked += (marked.empty() ? L"\"" : L", \"") + ItemArray::DescribeText(param.pData) + L"\"";
            }
            optionsHidden = optionsHidden || (param.Flags & OPTPF_HIDE) != 0;
        }
        if (!marked.empty()) add(L"warning on: " + marked);
        if (optionsHidden) add(L"choices hidden");
    }
    return notes;
}

std::wstring DescribeSelection(const OPTITEM& item) {
    if (item.pOptType == nullptr || item.pOptType->pOptParam == nullptr || item.Sel < 0 ||
        item.Sel >= item.pOptType->Count) {
        return std::wstring();
    }
    return ItemArray::DescribeText(item.pOptType->pOptParam[item.Sel].pData);
}

std::string WriteItemTree(ItemArray& items) {
    std::string out;
    for (DWORD i = 0; i < items.Count(); ++i) {
        const OPTITEM& item = items[i];
        std::wstring line(2u * (item.Level + 1), L' ');
        line += ItemArray::DescribeName(item);
        const std::wstring selection = DescribeSelection(item);
        if (!selection.empty()) line += L" = " + selection;
        if (const wchar_t* id = DescribeDmPubId(item.DMPubID)) line += L" (" + std::wstring(id) + L")";
        std::wstring notes;
        for (const std::wstring& note : ListItemNotes(item)) notes += (notes.empty() ? L"" : L", ") + note;
        if (!notes.empty()) {
            line.resize(std::max<std::size_t>(line.size() + 2, 58), L' ');
            line += L"<- " + notes;
        }
        out += ToUtf8(line) + "\n";
    }
    return out;
}

}  // namespace marlow::host

#include "host/sheet_items.h"

#include <algorithm>

namespace marlow::host {
namespace {

// Features the driver shows as standard items (or not at all) rather than as
// PPD feature items of their own.
constexpr const char16_t* kStandardFeatures[] = {u"*InputSlot", u"*PageSize", u"*PageRegion",
                                                 u"*MediaType", u"*Resolution", u"*Duplex",
                                                 u"*ColorModel"};

bool IsStandardFeature(const PpdFeature& feature) {
    return std::any_of(std::begin(kStandardFeatures), std::end(kStandardFeatures),
                       [&](const char16_t* keyword) { return feature.keyword.EqualsString(keyword); });
}

bool IsInstallable(const PpdFeature& feature) {
    return feature.groupKeyword.EqualsString(kInstallableOptionsGroup);
}

std::vector<std::wstring> GetOptionTexts(const PpdFeature& feature) {
    std::vector<std::wstring> texts;
    for (std::int32_t i = 0; i < feature.GetOptionCount(); ++i) {
        texts.push_back(ToHostText(feature.GetPpdOption(i)->translation));
    }
    return texts;
}

LONG GetDefaultIndex(const PpdFeature& feature) {
    for (std::int32_t i = 0; i < feature.GetOptionCount(); ++i) {
        if (feature.GetPpdOption(i)->keyword.Equals(feature.defaultOption)) {
            return i;
        }
    }
    return 0;
}

const PpdFeature* FindFeature(const PpdModel& model, const char16_t* keyword) {
    return model.GetPpdFeature(model.FindFeatureByKeyword(keyword));
}

HostItemSpec MakeStandardItem(const wchar_t* name, BYTE dmPubId, std::vector<std::wstring> options,
                              LONG sel = 0) {
    HostItemSpec spec;
    spec.level = 2;
    spec.name = name;
    spec.dmPubId = dmPubId;
    spec.options = std::move(options);
    spec.sel = sel;
    return spec;
}

// A standard item whose choices come from a PPD feature; the driver's own
// choices when the PPD lacks it.
HostItemSpec MakePpdBackedItem(const PpdModel& model, const wchar_t* name, BYTE dmPubId,
                               const char16_t* keyword, std::vector<std::wstring> fallback) {
    const PpdFeature* feature = FindFeature(model, keyword);
    if (feature == nullptr) {
        return MakeStandardItem(name, dmPubId, std::move(fallback));
    }
    return MakeStandardItem(name, dmPubId, GetOptionTexts(*feature), GetDefaultIndex(*feature));
}

// The duplex item lists none, short edge, long edge - in the driver's order,
// with the PPD's texts for them.
HostItemSpec MakeDuplexItem(const PpdModel& model) {
    std::vector<std::wstring> texts = {L"None", L"Flip on Short Edge", L"Flip on Long Edge"};
    if (const PpdFeature* duplex = FindFeature(model, u"*Duplex")) {
        const char16_t* keywords[] = {u"None", u"DuplexTumble", u"DuplexNoTumble"};
        for (std::size_t k = 0; k < texts.size(); ++k) {
            for (std::int32_t i = 0; i < duplex->GetOptionCount(); ++i) {
                if (duplex->GetPpdOption(i)->keyword.EqualsString(keywords[k])) {
                    texts[k] = ToHostText(duplex->GetPpdOption(i)->translation);
                }
            }
        }
    }
    return MakeStandardItem(L"Two-sided Printing", DMPUB_DUPLEX, texts);
}

HostItemSpec MakeFeatureItem(const PpdFeature& feature, BYTE level) {
    HostItemSpec spec;
    spec.level = level;
    spec.name = ToHostText(feature.translation);
    spec.keyword = ToHostKeyword(feature.keyword);
    spec.options = GetOptionTexts(feature);
    spec.sel = GetDefaultIndex(feature);
    return spec;
}

HostItemSpec MakeGroupItem(const wchar_t* name, BYTE level) {
    HostItemSpec spec;
    spec.level = level;
    spec.name = name;
    return spec;
}

}  // namespace

std::wstring ToHostText(const PpdText& text) {
    return std::wstring(text.Text(), text.Text() + text.Length());
}

std::string ToHostKeyword(const PpdText& keyword) {
    std::string bytes;
    for (std::int32_t i = keyword.Text()[0] == u'*' ? 1 : 0; i < keyword.Length(); ++i) {
        bytes.push_back(static_cast<char>(keyword.Text()[i] & 0xFF));
    }
    return bytes;
}

std::vector<HostItemSpec> BuildDocumentItemSpecs(const PpdModel& model) {
    std::vector<HostItemSpec> items;
    items.push_back(MakeGroupItem(L"Document Options", 0));
    items.push_back(MakeGroupItem(L"Layout", 1));
    items.push_back(MakeStandardItem(L"Orientation", DMPUB_ORIENTATION,
                                     {L"Portrait", L"Landscape", L"Rotated Landscape"}));
    items.push_back(MakeDuplexItem(model));
    items.push_back(MakeStandardItem(L"Pages per Sheet", DMPUB_NUP,
                                     {L"1", L"2", L"4", L"6", L"9", L"16", L"Booklet"}));
    items.push_back(MakeStandardItem(L"Page Order", DMPUB_PAGEORDER, {L"Front to Back", L"Back to Front"}));
    items.push_back(MakeStandardItem(L"Pages per Sheet Layout", kDmpubNupDirection,
                                     {L"Right then Down", L"Down then Right", L"Left then Down",
                                      L"Down then Left"}));
    items.push_back(MakeStandardItem(L"Manual Duplex", kDmpubManualDuplex, {L"Off", L"On"}));
    items.push_back(MakeStandardItem(L"Staple", kDmpubStaple, {L"None", L"Top Left"}));
    items.push_back(MakeStandardItem(L"Booklet Binding", kDmpubBookletEdge, {L"Left Edge", L"Right Edge"}));

    items.push_back(MakeGroupItem(L"Paper/Quality", 1));
    items.push_back(MakePpdBackedItem(model, L"Paper Source", DMPUB_DEFSOURCE, u"*InputSlot",
                                      {L"Automatically Select"}));
    items.push_back(MakePpdBackedItem(model, L"Paper Size", DMPUB_FORMNAME, u"*PageSize", {L"A4"}));
    items.push_back(MakePpdBackedItem(model, L"Media", DMPUB_MEDIATYPE, u"*MediaType", {L"Plain"}));
    items.push_back(MakePpdBackedItem(model, L"Print Quality", DMPUB_PRINTQUALITY, u"*Resolution",
                                      {L"600 dpi"}));
    items.push_back(MakeStandardItem(L"Color", DMPUB_COLOR, {L"Grayscale", L"Color"}, 1));

    items.push_back(MakeGroupItem(L"Printer Features", 1));
    for (std::int32_t i = 0; i < model.GetFeatureCount(); ++i) {
        const PpdFeature& feature = *model.GetPpdFeature(i);
        if (!IsStandardFeature(feature) && !IsInstallable(feature)) {
            items.push_back(MakeFeatureItem(feature, 2));
        }
    }
    return items;
}

std::vector<HostItemSpec> BuildPrinterItemSpecs(const PpdModel& model) {
    std::vector<HostItemSpec> items;
    items.push_back(MakeGroupItem(L"Device Settings", 0));

    HostItemSpec formTray = MakeGroupItem(L"", 1);
    formTray.nameResourceId = kFormTrayAssignName;
    items.push_back(formTray);
    std::vector<std::wstring> forms = {L"A4"};
    if (const PpdFeature* pageSize = FindFeature(model, u"*PageSize")) {
        forms = GetOptionTexts(*pageSize);
    }
    if (const PpdFeature* inputSlot = FindFeature(model, u"*InputSlot")) {
        for (std::int32_t i = 0; i < inputSlot->GetOptionCount(); ++i) {
            HostItemSpec slot = MakeGroupItem(ToHostText(inputSlot->GetPpdOption(i)->translation).c_str(), 2);
            slot.options = forms;
            items.push_back(slot);
        }
    }

    HostItemSpec initial = MakeGroupItem(L"", 1);
    initial.nameResourceId = kInitialTreeItemName;
    items.push_back(initial);

    items.push_back(MakeGroupItem(L"Installable Options", 1));
    for (std::int32_t i = 0; i < model.GetFeatureCount(); ++i) {
        const PpdFeature& feature = *model.GetPpdFeature(i);
        if (IsInstallable(feature)) {
            items.push_back(MakeFeatureItem(feature, 2));
        }
    }
    items.push_back(MakeGroupItem(L"PostScript Options", 1));
    return items;
}

}  // namespace marlow::host

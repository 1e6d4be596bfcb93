#include "host/sheet_items.h"

#include <algorithm>

namespace marlow::host {
namespace {

// Features the driver shows as standard items (or not at all) rather than as
// PPD feature items of their own.
constexpr const char* kStandardFeatures[] = {"InputSlot", "PageSize", "PageRegion", "MediaType",
                                             "Resolution", "Duplex", "ColorModel"};

bool IsStandardFeature(const PpdUiFeature& feature) {
    return std::any_of(std::begin(kStandardFeatures), std::end(kStandardFeatures),
                       [&](const char* keyword) { return feature.keyword == keyword; });
}

std::vector<std::wstring> GetChoiceTexts(const PpdUiFeature& feature) {
    std::vector<std::wstring> texts;
    for (const PpdChoice& choice : feature.choices) {
        texts.push_back(choice.translation);
    }
    return texts;
}

HostItemDescription MakeStandardItem(const wchar_t* name, BYTE dmPubId,
                                     std::vector<std::wstring> options, LONG sel = 0) {
    HostItemDescription description;
    description.level = 2;
    description.name = name;
    description.dmPubId = dmPubId;
    description.options = std::move(options);
    description.sel = sel;
    return description;
}

// A standard item whose choices come from a PPD feature; the driver's own
// choices when the PPD lacks it.
HostItemDescription MakePpdBackedItem(const PrinterPpd& ppd, const wchar_t* name, BYTE dmPubId,
                                      const char* keyword, std::vector<std::wstring> fallback) {
    const PpdUiFeature* feature = ppd.FindFeature(keyword);
    if (feature == nullptr) {
        return MakeStandardItem(name, dmPubId, std::move(fallback));
    }
    return MakeStandardItem(name, dmPubId, GetChoiceTexts(*feature), feature->DefaultIndex());
}

// The duplex item lists none, short edge, long edge - in the driver's order,
// with the PPD's texts for them.
HostItemDescription MakeDuplexItem(const PrinterPpd& ppd) {
    std::vector<std::wstring> texts = {L"None", L"Flip on Short Edge", L"Flip on Long Edge"};
    if (const PpdUiFeature* duplex = ppd.FindFeature("Duplex")) {
        const char* keywords[] = {"None", "DuplexTumble", "DuplexNoTumble"};
        for (std::size_t k = 0; k < texts.size(); ++k) {
            const int index = duplex->FindChoice(keywords[k]);
            if (index >= 0) {
                texts[k] = duplex->choices[static_cast<std::size_t>(index)].translation;
            }
        }
    }
    return MakeStandardItem(L"Two-sided Printing", DMPUB_DUPLEX, texts);
}

HostItemDescription MakeFeatureItem(const PpdUiFeature& feature, BYTE level) {
    HostItemDescription description;
    description.level = level;
    description.name = feature.translation;
    description.keyword = feature.keyword;
    description.options = GetChoiceTexts(feature);
    description.sel = feature.DefaultIndex();
    return description;
}

HostItemDescription MakeGroupItem(const wchar_t* name, BYTE level) {
    HostItemDescription description;
    description.level = level;
    description.name = name;
    return description;
}

}  // namespace

std::vector<HostItemDescription> BuildDocumentItemDescriptions(const PrinterPpd& ppd) {
    std::vector<HostItemDescription> items;
    items.push_back(MakeGroupItem(L"Document Options", 0));
    items.push_back(MakeGroupItem(L"Layout", 1));
    items.push_back(MakeStandardItem(L"Orientation", DMPUB_ORIENTATION,
                                     {L"Portrait", L"Landscape", L"Rotated Landscape"}));
    items.push_back(MakeDuplexItem(ppd));
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
    items.push_back(MakePpdBackedItem(ppd, L"Paper Source", DMPUB_DEFSOURCE, "InputSlot",
                                      {L"Automatically Select"}));
    items.push_back(MakePpdBackedItem(ppd, L"Paper Size", DMPUB_FORMNAME, "PageSize", {L"A4"}));
    items.push_back(MakePpdBackedItem(ppd, L"Media", DMPUB_MEDIATYPE, "MediaType", {L"Plain"}));
    items.push_back(MakePpdBackedItem(ppd, L"Print Quality", DMPUB_PRINTQUALITY, "Resolution",
                                      {L"600 dpi"}));
    items.push_back(MakeStandardItem(L"Color", DMPUB_COLOR, {L"Grayscale", L"Color"}, 1));

    items.push_back(MakeGroupItem(L"Printer Features", 1));
    for (const PpdUiFeature& feature : ppd.features) {
        if (!IsStandardFeature(feature) && !feature.IsInstallable()) {
            items.push_back(MakeFeatureItem(feature, 2));
        }
    }
    return items;
}

std::vector<HostItemDescription> BuildPrinterItemDescriptions(const PrinterPpd& ppd) {
    std::vector<HostItemDescription> items;
    items.push_back(MakeGroupItem(L"Device Settings", 0));

    HostItemDescription formTray = MakeGroupItem(L"", 1);
    formTray.nameResourceId = kFormTrayAssignName;
    items.push_back(formTray);
    std::vector<std::wstring> forms = {L"A4"};
    if (const PpdUiFeature* pageSize = ppd.FindFeature("PageSize")) {
        forms = GetChoiceTexts(*pageSize);
    }
    if (const PpdUiFeature* inputSlot = ppd.FindFeature("InputSlot")) {
        for (const PpdChoice& choice : inputSlot->choices) {
            HostItemDescription slot = MakeGroupItem(choice.translation.c_str(), 2);
            slot.options = forms;
            items.push_back(slot);
        }
    }

    HostItemDescription initial = MakeGroupItem(L"", 1);
    initial.nameResourceId = kInitialTreeItemName;
    items.push_back(initial);

    items.push_back(MakeGroupItem(L"Installable Options", 1));
    for (const PpdUiFeature& feature : ppd.features) {
        if (feature.IsInstallable()) {
            items.push_back(MakeFeatureItem(feature, 2));
        }
    }
    items.push_back(MakeGroupItem(L"PostScript Options", 1));
    return items;
}

}  // namespace marlow::host

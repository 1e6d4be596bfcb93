#include "sheet_simulation.h"

#include "item_tree_report.h"

#include "host/sheet_items.h"

#include <string>

namespace marlow::host {
namespace {

const char* DescribeDuplexMode(short mode) {
    switch (mode) {
    case DMDUP_SIMPLEX: return "DMDUP_SIMPLEX";
    case DMDUP_VERTICAL: return "DMDUP_VERTICAL";
    case DMDUP_HORIZONTAL: return "DMDUP_HORIZONTAL";
    default: return "unset";
    }
}

void PrintUpdateCalls(std::FILE* out, RecordingDriverUI& driverUI) {
    if (driverUI.UpdateCalls().empty()) {
        std::fprintf(out, "    (the host was not told of anything)\n");
    }
    for (const UpdateUISettingCall& call : driverUI.UpdateCalls()) {
        std::fprintf(out, "    DrvUpdateUISetting: %s = %s (selection %ld)\n",
                     ToUtf8(ItemArray::DescribeName(*call.pOptItem)).c_str(),
                     ToUtf8(DescribeSelection(*call.pOptItem)).c_str(), call.selAtCall);
    }
}

bool WasReported(const RecordingDriverUI& driverUI, const OPTITEM& item) {
    for (const UpdateUISettingCall& call : driverUI.UpdateCalls()) {
        if (call.pOptItem == &item) return true;
    }
    return false;
}

// The printer sheet shows the installed options the printer reports.
void ShowInstalledOptions(HostSheet& sheet, const PrinterPpd& ppd, const HostOptions& options) {
    for (const auto& installed : options.installed) {
        const PpdUiFeature* feature = ppd.FindFeature(installed.first);
        OPTITEM* item = feature != nullptr ? sheet.Items().FindByName(feature->translation) : nullptr;
        const int choice = feature != nullptr ? feature->FindChoice(installed.second) : -1;
        if (item != nullptr && choice >= 0) {
            item->Sel = choice;
        }
    }
}

// The colour item flips; the plug-in's callback brings the colour mode along.
void SimulateColourChange(std::FILE* out, HostSheet& sheet, RecordingDriverUI& driverUI) {
    OPTITEM* colour = sheet.Items().FindByDmPubId(DMPUB_COLOR);
    if (colour == nullptr) return;
    colour->Sel = colour->Sel == 0 ? 1 : 0;
    driverUI.ClearRecords();
    const LONG action = sheet.CallItemCallback(CPSUICB_REASON_SEL_CHANGED, colour);
    std::fprintf(out, "\nThe user sets %s to %s; the item callback answers %ld:\n",
                 ToUtf8(ItemArray::DescribeName(*colour)).c_str(),
                 ToUtf8(DescribeSelection(*colour)).c_str(), action);
    PrintUpdateCalls(out, driverUI);
}

// What the Layout page would have done: two-sided on the short edge and
// landscape, marked as changed; then the sheet applies.
void SimulateApply(std::FILE* out, HostSheet& sheet, RecordingDriverUI& driverUI) {
    for (BYTE id : {BYTE{DMPUB_DUPLEX}, BYTE{DMPUB_ORIENTATION}}) {
        if (OPTITEM* item = sheet.Items().FindByDmPubId(id)) {
            item->Sel = 1;
            item->Flags |= OPTIF_CHANGEONCE;
        }
    }
    driverUI.ClearRecords();
    const LONG action = sheet.CallItemCallback(CPSUICB_REASON_APPLYNOW, nullptr);
    std::fprintf(out, "\nThe Layout page chose landscape and two-sided (short edge); the sheet applies,\n"
                      "the item callback answers %ld:\n", action);
    PrintUpdateCalls(out, driverUI);
    for (DWORD i = 0; i < sheet.Items().Count(); ++i) {
        const OPTITEM& item = sheet.Items()[i];
        if ((item.Flags & OPTIF_CHANGEONCE) != 0 && !WasReported(driverUI, item)) {
            std::fprintf(out, "    not reported: %s = %s (the choice carries the warning)\n",
                         ToUtf8(ItemArray::DescribeName(item)).c_str(),
                         ToUtf8(DescribeSelection(item)).c_str());
        }
    }
    std::fprintf(out, "    public DEVMODE dmDuplex: %s\n", DescribeDuplexMode(sheet.PublicDevmode().dmDuplex));
}

}  // namespace

void SimulateDocumentSheet(std::FILE* out, PluginSession& session, const HostOptions& options) {
    for (const auto& installed : options.installed) {
        session.DriverUI().SetInstalledOption(installed.first, installed.second);
    }
    auto sheet = session.MakeDocumentSheet();
    if (OPTITEM* colour = sheet->Items().FindByDmPubId(DMPUB_COLOR)) {
        colour->Sel = options.colourOn ? 1 : 0;
    }
    const HRESULT hr = session.RunCommonUIProp(*sheet);
    std::fprintf(out, "\nDocument sheet after CommonUIProp (0x%08lX), %lu items:\n",
                 static_cast<unsigned long>(hr), static_cast<unsigned long>(sheet->Items().Count()));
    PrintItemTree(out, sheet->Items());
    SimulateColourChange(out, *sheet, session.DriverUI());
    SimulateApply(out, *sheet, session.DriverUI());
}

void SimulatePrinterSheet(std::FILE* out, PluginSession& session, const HostOptions& options) {
    auto sheet = session.MakePrinterSheet();
    ShowInstalledOptions(*sheet, session.Ppd(), options);
    const HRESULT hr = session.RunCommonUIProp(*sheet);
    std::fprintf(out, "\nPrinter sheet after CommonUIProp (0x%08lX), %lu items:\n",
                 static_cast<unsigned long>(hr), static_cast<unsigned long>(sheet->Items().Count()));
    PrintItemTree(out, sheet->Items());
}

}  // namespace marlow::host

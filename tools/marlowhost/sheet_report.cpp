#include "sheet_report.h"

#include "item_tree_report.h"
#include "json_writer.h"
#include "private_section_report.h"

#include "host/item_array.h"
#include "host/utf8_text.h"

#include <algorithm>
#include <cstdio>

namespace marlow::host {
namespace {

std::string Format(const char* format, unsigned long value) {
    char text[32];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

const char* DescribeDuplexMode(short mode) {
    switch (mode) {
    case DMDUP_SIMPLEX: return "DMDUP_SIMPLEX";
    case DMDUP_VERTICAL: return "DMDUP_VERTICAL";
    case DMDUP_HORIZONTAL: return "DMDUP_HORIZONTAL";
    default: return "unset";
    }
}

const char* DescribeIcon(UINT icon) {
    switch (icon) {
    case MB_ICONWARNING: return "warning";
    case MB_ICONERROR: return "error";
    case MB_ICONINFORMATION: return "information";
    case MB_ICONQUESTION: return "question";
    default: return "no icon";
    }
}

const char* DescribeReason(WORD reason) {
    return reason == CPSUICB_REASON_APPLYNOW ? "apply" : "selection change";
}

std::string DescribeChoice(const OPTITEM& item, LONG sel) {
    if (item.pOptType == nullptr || item.pOptType->pOptParam == nullptr || sel < 0 ||
        sel >= item.pOptType->Count) {
        return "(choice " + std::to_string(sel) + ")";
    }
    return ToUtf8(ItemArray::DescribeText(item.pOptType->pOptParam[sel].pData));
}

std::string DescribeUpdateCall(const UpdateUISettingCall& call) {
    const std::string name = call.pOptItem != nullptr ? ToUtf8(ItemArray::DescribeName(*call.pOptItem)) : "?";
    const std::string choice = call.pOptItem != nullptr ? DescribeChoice(*call.pOptItem, call.selAtCall) : "?";
    return name + " = " + choice;
}

std::string JoinQuoted(const std::vector<std::wstring>& texts) {
    std::string joined;
    for (const std::wstring& text : texts) joined += (joined.empty() ? "\"" : ", \"") + ToUtf8(text) + "\"";
    return joined;
}

std::vector<unsigned char> CopyPrivateSection(HostSheet& sheet) {
    if (sheet.Mode() != OEMCUIP_DOCPROP) return {};
    return std::vector<unsigned char>(sheet.PrivateSection(), sheet.PrivateSection() + sheet.PrivateSectionSize());
}

void AppendLine(std::string* out, const std::string& line) { *out += line + "\n"; }

}  // namespace

std::string WriteTextReport(const SheetReportInput& input) {
    std::string out;
    const ScriptOutcome& outcome = input.outcome;
    AppendLine(&out, std::string(input.bPrinterSheet ? "Printer" : "Document") +
                         " sheet, CommonUIProp " + Format("0x%08lX", static_cast<unsigned long>(input.commonUIProp)) +
                         "; pages " + JoinQuoted(outcome.pageTitles));
    if (input.bScripted) {
        AppendLine(&out, "\nScript, " + std::to_string(outcome.stepsRun.size()) + " steps carried out:");
        for (const std::wstring& step : outcome.stepsRun) AppendLine(&out, "  " + ToUtf8(step));
        if (!outcome.failure.empty()) AppendLine(&out, "  stopped at " + ToUtf8(outcome.failure));
        if (outcome.bClosedByHost) AppendLine(&out, "  then the host closed the sheet with Cancel");
        AppendLine(&out, "\nMessage boxes: " + std::to_string(outcome.boxes.size()));
        for (const CaughtMessageBox& box : outcome.boxes) {
            AppendLine(&out, "  \"" + ToUtf8(box.caption) + "\" (" + DescribeIcon(box.icon) + "): \"" +
                                 ToUtf8(box.text) + "\"");
        }
    }
    AppendLine(&out, "\nThe plug-in's item callback: " + std::to_string(input.callbackCalls.size()) + " calls");
    for (const ItemCallbackCall& call : input.callbackCalls) {
        std::string line = std::string("  ") + DescribeReason(call.reason);
        if (!call.item.empty()) line += ": " + ToUtf8(call.item) + " = " + ToUtf8(call.choice);
        AppendLine(&out, line + " -> " + std::to_string(call.answer));
    }
    AppendLine(&out, "\nWhat the driver interface was told: " +
                         std::to_string(input.driverUI.UpdateCalls().size()) + " calls");
    for (const UpdateUISettingCall& call : input.driverUI.UpdateCalls()) {
        AppendLine(&out, "  DrvUpdateUISetting: " + DescribeUpdateCall(call) + " (previous " +
                             std::to_string(call.dwPreviousSelection) + ", mode " +
                             std::to_string(call.dwMode) + ")");
    }
    if (!input.bPrinterSheet) {
        AppendLine(&out, std::string("\nPublic DEVMODE dmDuplex: ") +
                             DescribeDuplexMode(input.sheet.PublicDevmode().dmDuplex));
        AppendLine(&out, "\nPrivate section:");
        const std::vector<unsigned char> section = CopyPrivateSection(input.sheet);
        for (const DecodedField& field : DecodePrivateSection(section.data(), section.size())) {
            char line[64];
            std::snprintf(line, sizeof(line), "  %-20s ", field.name.c_str());
            AppendLine(&out, line + field.value);
        }
    }
    AppendLine(&out, "\nItems, " + std::to_string(input.sheet.Items().Count()) + ":");
    out += WriteItemTree(input.sheet.Items());
    if (!outcome.pictures.empty()) {
        AppendLine(&out, "\nPictures: " + std::to_string(outcome.pictures.size()));
        for (const std::wstring& picture : outcome.pictures) AppendLine(&out, "  " + ToUtf8(picture));
        if (!outcome.contactSheet.empty()) AppendLine(&out, "  all of them on " + ToUtf8(outcome.contactSheet));
    }
    return out;
}

std::string WriteJsonReport(const SheetReportInput& input) {
    std::string out;
    JsonWriter json(&out);
    const ScriptOutcome& outcome = input.outcome;
    json.BeginObject();
    json.Field("sheet", input.bPrinterSheet ? "printer" : "document");
    json.Field("commonUIProp", Format("0x%08lX", static_cast<unsigned long>(input.commonUIProp)));
    json.Key("pages");
    json.BeginArray();
    for (const std::wstring& title : outcome.pageTitles) json.String(ToUtf8(title));
    json.EndArray();
    if (input.bScripted) {
        json.Key("script");
        json.BeginObject();
        json.Key("stepsCarriedOut");
        json.BeginArray();
        for (const std::wstring& step : outcome.stepsRun) json.String(ToUtf8(step));
        json.EndArray();
        json.Field("stoppedAt", ToUtf8(outcome.failure));
        json.Key("closedByHost");
        json.Bool(outcome.bClosedByHost);
        json.Key("messageBoxes");
        json.BeginArray();
        for (const CaughtMessageBox& box : outcome.boxes) {
            json.BeginObject();
            json.Field("caption", ToUtf8(box.caption));
            json.Field("text", ToUtf8(box.text));
            json.Field("icon", DescribeIcon(box.icon));
            json.EndObject();
        }
        json.EndArray();
        json.EndObject();
    }
    json.Key("itemCallback");
    json.BeginArray();
    for (const ItemCallbackCall& call : input.callbackCalls) {
        json.BeginObject();
        json.Field("reason", DescribeReason(call.reason));
        if (!call.item.empty()) {
            json.Field("item", ToUtf8(call.item));
            json.Field("choice", ToUtf8(call.choice));
        }
        json.Field("answer", call.answer);
        json.EndObject();
    }
    json.EndArray();
    json.Key("driverInterface");
    json.BeginArray();
    for (const UpdateUISettingCall& call : input.driverUI.UpdateCalls()) {
        json.BeginObject();
        json.Field("call", "DrvUpdateUISetting");
        json.Field("item", call.pOptItem != nullptr ? ToUtf8(ItemArray::DescribeName(*call.pOptItem)) : "");
        json.Field("selection", call.selAtCall);
        json.Field("choice", call.pOptItem != nullptr ? DescribeChoice(*call.pOptItem, call.selAtCall) : "");
        json.Field("previousSelection", static_cast<long long>(call.dwPreviousSelection));
        json.Field("mode", static_cast<long long>(call.dwMode));
        json.EndObject();
    }
    json.EndArray();
    if (!input.bPrinterSheet) {
        json.Field("dmDuplex", DescribeDuplexMode(input.sheet.PublicDevmode().dmDuplex));
        json.Key("privateSection");
        json.BeginObject();
        const std::vector<unsigned char> section = CopyPrivateSection(input.sheet);
        for (const DecodedField& field : DecodePrivateSection(section.data(), section.size())) {
            json.Field(field.name, field.value);
        }
        json.EndObject();
    }
    json.Key("items");
    json.BeginArray();
    ItemArray& items = input.sheet.Items();
    for (DWORD i = 0; i < items.Count(); ++i) {
        const OPTITEM& item = items[i];
        json.BeginObject();
        json.Field("level", item.Level);
        json.Field("name", ToUtf8(ItemArray::DescribeName(item)));
        json.Field("selection", ToUtf8(DescribeSelection(item)));
        const wchar_t* id = DescribeDmPubId(item.DMPubID);
        json.Field("dmPubId", id != nullptr ? ToUtf8(id) : "");
        json.Key("notes");
        json.BeginArray();
        for (const std::wstring& note : ListItemNotes(item)) json.String(ToUtf8(note));
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.Key("pictures");
    json.BeginArray();
    for (const std::wstring& picture : outcome.pictures) json.String(ToUtf8(picture));
    json.EndArray();
    json.Field("contactSheet", ToUtf8(outcome.contactSheet));
    json.EndObject();
    return out;
}

}  // namespace marlow::host

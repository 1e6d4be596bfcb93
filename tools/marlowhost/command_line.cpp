#include "command_line.h"

namespace marlow::host {
namespace {

std::string ToNarrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow.push_back(static_cast<char>(c & 0xFF));
    return narrow;
}

bool ParseInstalled(const std::wstring& pair, HostOptions& options) {
    const std::wstring::size_type equals = pair.find(L'=');
    if (equals == std::wstring::npos || equals == 0 || equals + 1 == pair.size()) {
        return false;
    }
    std::wstring key = pair.substr(0, equals);
    if (key[0] == L'*') key.erase(0, 1);  // the driver knows its features without the asterisk
    options.installed.emplace_back(ToNarrow(key), ToNarrow(pair.substr(equals + 1)));
    return true;
}

}  // namespace

const char kHostUsage[] =
    "usage: marlowhost [--dll FILE] [--ppd FILE] [--installed *KEY=OPTION]... [--color on|off]\n"
    "  Plays the PostScript driver's UI module against marlowui.dll: loads it, asks\n"
    "  for its signature, version and private settings, then builds the document\n"
    "  and printer sheets' items from the PPD (the sample by default), runs\n"
    "  CommonUIProp on them with the given installed options, simulates a colour\n"
    "  change and an apply, and prints the item trees.\n";

HostOptions ParseHostOptions(const std::vector<std::wstring>& arguments) {
    HostOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == L"--help" || argument == L"-h") {
            options.showHelp = true;
        } else if (argument == L"--dll" && hasValue) {
            options.dllPath = arguments[++i];
        } else if (argument == L"--ppd" && hasValue) {
            options.ppdPath = arguments[++i];
        } else if (argument == L"--installed" && hasValue) {
            if (!ParseInstalled(arguments[++i], options)) {
                options.error = L"--installed wants *KEY=OPTION, not " + arguments[i];
            }
        } else if (argument == L"--color" && hasValue) {
            const std::wstring& value = arguments[++i];
            if (value != L"on" && value != L"off") {
                options.error = L"--color wants on or off";
            }
            options.colourOn = value == L"on";
        } else if (argument.rfind(L"--", 0) != 0 && options.dllPath.empty() && i == 0) {
            options.dllPath = argument;  // the first version's form: marlowhost DLL
        } else {
            options.error = L"unexpected argument " + argument;
        }
    }
    return options;
}

}  // namespace marlow::host

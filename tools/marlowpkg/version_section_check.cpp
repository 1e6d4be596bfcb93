#include "version_section_check.h"

#include <cctype>

namespace marlow {

namespace {

constexpr char kPrinterClassGuid[] = "{4D36E979-E325-11CE-BFC1-08002BE10318}";

bool IsDigits(const std::string& text, std::size_t count) {
    if (text.size() != count || count == 0) {
        return false;
    }
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// Splits at a separator; empty parts kept.
std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// mm/dd/yyyy with a month and a day that exist in some year.
bool IsDriverDate(const std::string& text) {
    const std::vector<std::string> parts = Split(text, '/');
    if (parts.size() != 3 || parts[0].empty() || parts[0].size() > 2 || parts[1].empty() ||
        parts[1].size() > 2 || !IsDigits(parts[2], 4)) {
        return false;
    }
    if (!IsDigits(parts[0], parts[0].size()) || !IsDigits(parts[1], parts[1].size())) {
        return false;
    }
    static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int month = std::stoi(parts[0]);
    const int day = std::stoi(parts[1]);
    return month >= 1 && month <= 12 && day >= 1 && day <= kDays[month - 1];
}

// w.x.y.z, each part 0 to 65535.
bool IsDriverVersion(const std::string& text) {
    const std::vector<std::string> parts = Split(text, '.');
    if (parts.size() != 4) {
        return false;
    }
    for (const std::string& part : parts) {
        if (part.empty() || part.size() > 5 || !IsDigits(part, part.size()) ||
            std::stol(part) > 65535) {
            return false;
        }
    }
    return true;
}

const InfLine* FindCatalogLine(const InfSection& version) {
    for (const InfLine& line : version.lines) {
        if (line.bHasKey && (EqualsIgnoringCase(line.key, "CatalogFile") ||
                             EqualsIgnoringCase(line.key.substr(0, 12), "CatalogFile."))) {
            return &line;
        }
    }
    return nullptr;
}

std::string FirstField(const InfLine& line) { return line.fields.empty() ? "" : line.fields[0]; }

}  // namespace

void CheckVersionSection(PackageContext& context) {
    const InfSection* version = context.inf.FindSection("Version");
    if (version == nullptr) {
        context.AddInfFinding(0, "version", "the INF has no [Version] section");
        return;
    }
    const int nHeader = version->nLine;
    const auto require = [&](const char* key, const std::string& expected, const char* what) {
        const InfLine* line = context.inf.FindLine("Version", key);
        if (line == nullptr) {
            context.AddInfFinding(nHeader, "version",
                                  std::string("[Version] has no ") + key + "; " + what);
        } else if (!EqualsIgnoringCase(FirstField(*line), expected)) {
            context.AddInfFinding(line->nLine, "version",
                                  std::string(key) + " is \"" + FirstField(*line) + "\"; " + what);
        }
    };
    require("Signature", "$Windows NT$",
            "a printer INF for Windows NT-based systems says \"$Windows NT$\"");
    require("Class", "Printer", "the printer class installer reads only class Printer");
    require("ClassGUID", kPrinterClassGuid,
            std::string("the printer class is ").append(kPrinterClassGuid).c_str());

    const InfLine* provider = context.inf.FindLine("Version", "Provider");
    if (provider == nullptr || FirstField(*provider).empty()) {
        context.AddInfFinding(provider == nullptr ? nHeader : provider->nLine, "version",
                              "[Version] names no Provider, which Windows shows as the driver's "
                              "provider");
    }

    const InfLine* driverVer = context.inf.FindLine("Version", "DriverVer");
    if (driverVer == nullptr) {
        context.AddInfFinding(nHeader, "version",
                              "[Version] has no DriverVer, which tells Windows which driver is newer");
    } else if (driverVer->fields.size() != 2 || !IsDriverDate(driverVer->fields[0]) ||
               !IsDriverVersion(driverVer->fields[1])) {
        context.AddInfFinding(driverVer->nLine, "version",
                              "DriverVer must read mm/dd/yyyy,w.x.y.z with a real date and four "
                              "version parts from 0 to 65535");
    }

    const InfLine* catalog = FindCatalogLine(*version);
    if (catalog == nullptr) {
        context.AddInfFinding(nHeader, "version",
                              "[Version] names no CatalogFile; the signed catalog made at release "
                              "must be named in the INF");
    } else {
        const std::string name = FirstField(*catalog);
        const bool bPlainName = name.find_first_of("\\/:") == std::string::npos;
        if (!bPlainName || name.size() < 5 ||
            !EqualsIgnoringCase(name.substr(name.size() - 4), ".cat")) {
            context.AddInfFinding(catalog->nLine, "version",
                                  "CatalogFile \"" + name +
                                      "\" must be a file name ending in .cat, without a path");
        }
    }
}

}  // namespace marlow

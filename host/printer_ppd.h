// The host's own reading of a printer's PPD file, line by line as the driver
// reads it: the "*OpenUI"/"*CloseUI" blocks with their option statements and
// translations ("*InputSlot LC1/Cassette 1: ..."), the "*Default..."
// statements, the "*OpenGroup"/"*CloseGroup" groups, and the
// "*UIConstraints". Quoted values over several lines are skipped whole.
// Nothing here comes from the plug-in: an end-to-end test compares what the
// two readings make of the same file.
#pragma once

#include <string>
#include <vector>

namespace marlow::host {

struct PpdChoice {
    std::string keyword;       // the option keyword ("LC1")
    std::wstring translation;  // its text for people, through the ANSI code page
};

struct PpdUiFeature {
    std::string keyword;        // the main keyword without its asterisk ("InputSlot")
    std::wstring translation;   // the keyword itself when the file gives none
    std::string group;          // keyword of the enclosing group; empty outside any
    std::string defaultChoice;  // from "*Default<keyword>"; empty when none
    std::vector<PpdChoice> choices;

    // The group of installed hardware, whose features the printer sheet shows.
    bool IsInstallable() const { return group == "InstallableOptions"; }
    // The index of the default choice; 0 when it names none of them.
    int DefaultIndex() const;
    // The index of the choice with this keyword, or -1.
    int FindChoice(const std::string& keyword) const;
};

// "*UIConstraints: *F1 O1 *F2 O2": with F1 at O1, F2 may not be O2. An
// option left out stands for any.
struct PpdUiConstraint {
    std::string feature1, option1, feature2, option2;
};

struct PrinterPpd {
    std::vector<PpdUiFeature> features;  // in the order of their "*OpenUI"
    std::vector<PpdUiConstraint> constraints;

    // Null when no feature has the keyword (without asterisk).
    const PpdUiFeature* FindFeature(const std::string& keyword) const;
    const PpdUiFeature* FindFeatureByTranslation(const std::wstring& translation) const;
};

// Reads the bytes of a PPD file. Lines may end in CR, LF or CR LF; a block
// left open at the end still counts.
PrinterPpd ParsePrinterPpd(const std::string& bytes);

// False when the file cannot be read.
[[nodiscard]] bool ReadPrinterPpd(const std::wstring& path, PrinterPpd& ppd);

// 8-bit text of the file as UTF-16, through the ANSI code page.
std::wstring DecodeAnsiText(const std::string& bytes);

}  // namespace marlow::host

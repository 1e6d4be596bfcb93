#include "large_ppd_generator.h"

#include <cstdint>

namespace marlow {
namespace bench {

namespace {

// A fixed linear congruential sequence: the same file on every run.
class Sequence {
public:
    int Next(int bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(bound));
    }

private:
    std::uint64_t state_ = 0x5EEDULL;
};

void AppendCode(std::string& text, const std::string& name, int bytes) {
    text += "\"<</QVSetting (" + name + ")>> setpagedevice\n";
    std::string line = "  userdict /QVState known { QVState /" + name + " true put } if\n";
    for (int written = 0; written < bytes; written += static_cast<int>(line.size())) {
        text += line;
    }
    text += "\"\n*End\n";
}

void AppendInstallables(std::string& text, const PpdShape& shape) {
    text += "*OpenGroup: InstallableOptions/Installed Options\n";
    for (int i = 0; i < shape.installables; ++i) {
        const std::string keyword = "*QVUnit" + std::to_string(i);
        text += "*OpenUI " + keyword + "/Optional Unit " + std::to_string(i) + ": PickOne\n";
        text += "*OrderDependency: 10 AnySetup " + keyword + "\n";
        text += "*Default" + keyword.substr(1) + ": Level0\n";
        for (int o = 0; o < 4; ++o) {
            text +=
                keyword + " Level" + std::to_string(o) + "/Level " + std::to_string(o) + ": \"\"\n";
        }
        text += "*CloseUI: " + keyword + "\n";
    }
    text += "*CloseGroup: InstallableOptions\n";
}

void AppendFeatures(std::string& text, const PpdShape& shape) {
    text += "*OpenGroup: General/General\n";
    for (int f = 0; f < shape.features; ++f) {
        const std::string keyword = "*QVFeature" + std::to_string(f);
        text += "*OpenUI " + keyword + "/Feature Number " + std::to_string(f) + ": PickOne\n";
        text += "*OrderDependency: 20 AnySetup " + keyword + "\n";
        text += "*Default" + keyword.substr(1) + ": Choice0\n";
        for (int o = 0; o < shape.options; ++o) {
            const std::string option = "Choice" + std::to_string(o);
            text += keyword + " " + option + "/Choice Number " + std::to_string(o) + ": ";
            AppendCode(text, option, shape.codeBytes);
        }
        text += "*?" + keyword.substr(1) + ": \"currentpagedevice /QVSetting get = flush\"\n";
        text += "*CloseUI: " + keyword + "\n";
    }
    text += "*CloseGroup: General\n";
}

// Three in four from an installable feature to another; the rest between
// two other features, or the reverse of an installable one.
void AppendConstraints(std::string& text, const PpdShape& shape) {
    Sequence sequence;
    for (int c = 0; c < shape.constraints; ++c) {
        const std::string unit = "*QVUnit" + std::to_string(sequence.Next(shape.installables));
        const std::string level = "Level" + std::to_string(sequence.Next(4));
        const std::string feature = "*QVFeature" + std::to_string(sequence.Next(shape.features));
        const std::string option = "Choice" + std::to_string(sequence.Next(shape.options));
        const std::string other = "*QVFeature" + std::to_string(sequence.Next(shape.features));
        switch (c % 4) {
        case 3:
            text += "*UIConstraints: " + feature + " " + option + " " +
                    (c % 8 == 3 ? unit + " " + level : other + " Choice0") + "\n";
            break;
        default:
            text += "*UIConstraints: " + unit + " " + level + " " + feature + " " + option + "\n";
        }
    }
}

}  // namespace

std::string GeneratePpd(const PpdShape& shape) {
    std::string text =
        "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
        "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n"
        "*Manufacturer: \"Vantor\"\n*ModelName: \"Vantor Marlow Bench\"\n"
        "*NickName: \"Vantor Marlow Bench\"\n*PSVersion: \"(3011.104) 0\"\n";
    AppendInstallables(text, shape);
    AppendFeatures(text, shape);
    AppendConstraints(text, shape);
    return text;
}

}  // namespace bench
}  // namespace marlow

#include "pe_image_builder.h"

namespace marlow {

namespace {

constexpr std::uint32_t kSectionRva = 0x1000;
constexpr std::uint32_t kSectionOffset = 0x400;

void Put16(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<unsigned char>(value);
    bytes[at + 1] = static_cast<unsigned char>(value >> 8);
}

void Put32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

// The section's bytes, growing as tables are added; addresses are RVAs.
class SectionWriter {
public:
    std::uint32_t Here() const { return kSectionRva + static_cast<std::uint32_t>(bytes_.size()); }
    std::uint32_t Reserve(std::size_t size) {
        const std::uint32_t at = Here();
        bytes_.resize(bytes_.size() + size, 0);
        return at;
    }
    std::uint32_t AddName(const std::string& name) {
        const std::uint32_t at = Reserve(name.size() + 1);
        for (std::size_t i = 0; i < name.size(); ++i) {
            bytes_[at - kSectionRva + i] = static_cast<unsigned char>(name[i]);
        }
        return at;
    }
    void Set32(std::uint32_t rva, std::uint32_t value) { Put32(bytes_, rva - kSectionRva, value); }
    void Set64(std::uint32_t rva, std::uint64_t value) {
        Set32(rva, static_cast<std::uint32_t>(value));
        Set32(rva + 4, static_cast<std::uint32_t>(value >> 32));
    }
    const std::vector<unsigned char>& Bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
};

}  // namespace

std::vector<unsigned char> BuildPeImage(const PeImagePlan& plan) {
    const bool bPe32Plus = plan.wMachine != kMachineX86;
    SectionWriter section;

    // Exports: the directory, then the name pointers.
    const std::uint32_t exportDirectory = section.Reserve(40);
    const std::uint32_t namePointers = section.Reserve(4 * plan.exports.size());
    section.Set32(exportDirectory + 24, static_cast<std::uint32_t>(plan.exports.size()));
    section.Set32(exportDirectory + 32, namePointers);
    for (std::size_t i = 0; i < plan.exports.size(); ++i) {
        section.Set32(namePointers + 4 * static_cast<std::uint32_t>(i), section.AddName(plan.exports[i]));
    }
    const std::uint32_t exportSize = section.Here() - exportDirectory;

    // Imports: the descriptors with their terminator, then per DLL its name,
    // lookup list and hint/name entries.
    const std::uint32_t importDirectory = section.Reserve(20 * (plan.imports.size() + 1));
    const std::uint32_t width = bPe32Plus ? 8 : 4;
    for (std::size_t d = 0; d < plan.imports.size(); ++d) {
        const PeImport& import = plan.imports[d];
        const std::uint32_t descriptor = importDirectory + 20 * static_cast<std::uint32_t>(d);
        section.Set32(descriptor + 12, section.AddName(import.dll));
        const std::uint32_t thunks = section.Reserve(width * (import.functions.size() + 1));
        section.Set32(descriptor, thunks);
        section.Set32(descriptor + 16, thunks);
        for (std::size_t f = 0; f < import.functions.size(); ++f) {
            const std::uint32_t hintName = section.Reserve(2);
            section.AddName(import.functions[f]);
            if (bPe32Plus) {
                section.Set64(thunks + width * static_cast<std::uint32_t>(f), hintName);
            } else {
                section.Set32(thunks + width * static_cast<std::uint32_t>(f), hintName);
            }
        }
    }
    const std::uint32_t importSize = 20 * static_cast<std::uint32_t>(plan.imports.size() + 1);

    const std::uint32_t optionalSize = bPe32Plus ? 240 : 224;
    std::vector<unsigned char> bytes(kSectionOffset, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    Put32(bytes, 0x3C, 0x80);
    bytes[0x80] = 'P';
    bytes[0x81] = 'E';
    const std::size_t coff = 0x84;
    Put16(bytes, coff, plan.wMachine);
    Put16(bytes, coff + 2, 1);
    Put16(bytes, coff + 16, optionalSize);
    Put16(bytes, coff + 18, 0x2102);  // executable, 32-bit words, DLL
    const std::size_t optional = coff + 20;
    Put16(bytes, optional, bPe32Plus ? 0x20B : 0x10B);
    Put16(bytes, optional + 48, static_cast<std::uint32_t>(plan.nMajorSubsystemVersion));
    Put16(bytes, optional + 50, static_cast<std::uint32_t>(plan.nMinorSubsystemVersion));
    const std::size_t directories = optional + (bPe32Plus ? 112 : 96);
    Put32(bytes, directories - 4, 16);
    Put32(bytes, directories, exportDirectory);
    Put32(bytes, directories + 4, exportSize);
    Put32(bytes, directories + 8, importDirectory);
    Put32(bytes, directories + 12, importSize);
    const std::size_t header = optional + optionalSize;
    const char name[] = ".rdata";
    for (std::size_t i = 0; i < sizeof(name) - 1; ++i) {
        bytes[header + i] = static_cast<unsigned char>(name[i]);
    }
    const std::uint32_t size = static_cast<std::uint32_t>(section.Bytes().size());
    Put32(bytes, header + 8, size);
    Put32(bytes, header + 12, kSectionRva);
    Put32(bytes, header + 16, size);
    Put32(bytes, header + 20, kSectionOffset);
    bytes.insert(bytes.end(), section.Bytes().begin(), section.Bytes().end());
    return bytes;
}

PeImagePlan MakePluginPlan(std::uint16_t wMachine) {
    PeImagePlan plan;
    plan.wMachine = wMachine;
    if (wMachine == kMachineX86) {
        plan.nMajorSubsystemVersion = 4;
        plan.nMinorSubsystemVersion = 0;
    }
    return plan;
}

}  // namespace marlow

#include "pe_image.h"

#include <cstddef>

namespace marlow {

namespace {

// More than any real DLL has; bounds the work on a hostile file.
constexpr std::uint32_t kMaxNames = 65536;
constexpr std::uint32_t kMaxImportedDlls = 4096;
constexpr std::size_t kMaxNameLength = 4096;

class ImageBytes {
public:
    explicit ImageBytes(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    bool Has(std::size_t offset, std::size_t size) const {
        return offset <= bytes_.size() && size <= bytes_.size() - offset;
    }
    bool Read16(std::size_t offset, std::uint32_t& value) const {
        if (!Has(offset, 2)) {
            return false;
        }
        value = static_cast<std::uint32_t>(bytes_[offset] | bytes_[offset + 1] << 8);
        return true;
    }
    bool Read32(std::size_t offset, std::uint32_t& value) const {
        if (!Has(offset, 4)) {
            return false;
        }
        value = static_cast<std::uint32_t>(bytes_[offset]) |
                static_cast<std::uint32_t>(bytes_[offset + 1]) << 8 |
                static_cast<std::uint32_t>(bytes_[offset + 2]) << 16 |
                static_cast<std::uint32_t>(bytes_[offset + 3]) << 24;
        return true;
    }
    bool Read64(std::size_t offset, std::uint64_t& value) const {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        if (!Read32(offset, low) || !Read32(offset + 4, high)) {
            return false;
        }
        value = static_cast<std::uint64_t>(high) << 32 | low;
        return true;
    }
    // A zero-terminated name; false when it runs off the end or is too long.
    bool ReadName(std::size_t offset, std::string& name) const {
        name.clear();
        for (std::size_t i = offset; i < bytes_.size() && name.size() <= kMaxNameLength; ++i) {
            if (bytes_[i] == 0) {
                return true;
            }
            name += static_cast<char>(bytes_[i]);
        }
        return false;
    }

private:
    const std::vector<unsigned char>& bytes_;
};

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t virtualSize;
    std::uint32_t rawOffset;
    std::uint32_t rawSize;
};

class ImageReader {
public:
    ImageReader(const std::vector<unsigned char>& bytes, PeImage& image, std::string& error)
        : bytes_(bytes), image_(image), error_(error) {}

    bool Read() {
        std::uint32_t value = 0;
        if (!bytes_.Read16(0, value) || value != 0x5A4D) {
            return Fail("no MZ header: not a Windows program or DLL");
        }
        std::uint32_t peOffset = 0;
        if (!bytes_.Read32(0x3C, peOffset) || !bytes_.Read32(peOffset, value) ||
            value != 0x00004550) {
            return Fail("no PE signature where the MZ header points");
        }
        const std::size_t coff = static_cast<std::size_t>(peOffset) + 4;
        std::uint32_t machine = 0;
        std::uint32_t sectionCount = 0;
        std::uint32_t optionalSize = 0;
        if (!bytes_.Read16(coff, machine) || !bytes_.Read16(coff + 2, sectionCount) ||
            !bytes_.Read16(coff + 16, optionalSize)) {
            return Fail("the file header is cut short");
        }
        image_.wMachine = static_cast<std::uint16_t>(machine);
        const std::size_t optional = coff + 20;
        std::uint32_t magic = 0;
        if (!bytes_.Read16(optional, magic) || (magic != 0x10B && magic != 0x20B)) {
            return Fail("no PE32 or PE32+ optional header");
        }
        image_.bPe32Plus = magic == 0x20B;
        std::uint32_t major = 0;
        std::uint32_t minor = 0;
        if (!bytes_.Read16(optional + 48, major) || !bytes_.Read16(optional + 50, minor)) {
            return Fail("the optional header is cut short");
        }
        image_.nMajorSubsystemVersion = static_cast<int>(major);
        image_.nMinorSubsystemVersion = static_cast<int>(minor);
        const std::size_t directoryCountAt = optional + (image_.bPe32Plus ? 108 : 92);
        std::uint32_t directoryCount = 0;
        if (!bytes_.Read32(directoryCountAt, directoryCount)) {
            return Fail("the optional header is cut short");
        }
        directories_ = directoryCountAt + 4;
        directoryCount_ = directoryCount;
        if (!ReadSections(optional + optionalSize, sectionCount)) {
            return false;
        }
        return ReadExports() && ReadImports();
    }

private:
    bool Fail(const std::string& message) {
        error_ = message;
        return false;
    }

    bool ReadSections(std::size_t at, std::uint32_t count) {
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t header = at + 40 * static_cast<std::size_t>(i);
            Section section{};
            if (!bytes_.Read32(header + 8, section.virtualSize) ||
                !bytes_.Read32(header + 12, section.virtualAddress) ||
                !bytes_.Read32(header + 16, section.rawSize) ||
                !bytes_.Read32(header + 20, section.rawOffset)) {
                return Fail("the section table is cut short");
            }
            sections_.push_back(section);
        }
        return true;
    }

    // The file offset of an address in the loaded image; false when no
    // section's file bytes hold it.
    bool ToOffset(std::uint32_t rva, std::size_t& offset) const {
        for (const Section& section : sections_) {
            if (rva >= section.virtualAddress && rva - section.virtualAddress < section.rawSize) {
                offset = static_cast<std::size_t>(section.rawOffset) + (rva - section.virtualAddress);
                return bytes_.Has(offset, 1);
            }
        }
        return false;
    }

    bool ReadDirectory(std::uint32_t index, std::uint32_t& rva, std::uint32_t& size) const {
        rva = 0;
        size = 0;
        if (index >= directoryCount_) {
            return true;
        }
        return bytes_.Read32(directories_ + 8 * index, rva) &&
               bytes_.Read32(directories_ + 8 * index + 4, size);
    }

    bool ReadNameAt(std::uint32_t rva, std::string& name) const {
        std::size_t offset = 0;
        return ToOffset(rva, offset) && bytes_.ReadName(offset, name);
    }

    bool ReadExports() {
        std::uint32_t rva = 0;
        std::uint32_t size = 0;
        if (!ReadDirectory(0, rva, size)) {
            return Fail("the data directories are cut short");
        }
        if (rva == 0) {
            return true;
        }
        std::size_t table = 0;
        std::uint32_t nameCount = 0;
        std::uint32_t namesRva = 0;
        if (!ToOffset(rva, table) || !bytes_.Read32(table + 24, nameCount) ||
            !bytes_.Read32(table + 32, namesRva)) {
            return Fail("the export table lies outside the file");
        }
        if (nameCount > kMaxNames) {
            return Fail("the export table claims " + std::to_string(nameCount) + " names");
        }
        std::size_t names = 0;
        if (nameCount > 0 && !ToOffset(namesRva, names)) {
            return Fail("the export name table lies outside the file");
        }
        for (std::uint32_t i = 0; i < nameCount; ++i) {
            std::uint32_t nameRva = 0;
            std::string name;
            if (!bytes_.Read32(names + 4 * static_cast<std::size_t>(i), nameRva) ||
                !ReadNameAt(nameRva, name)) {
                return Fail("an exported name lies outside the file");
            }
            image_.exports.push_back(name);
        }
        return true;
    }

    bool ReadThunks(std::uint32_t thunksRva, PeImport& import) {
        std::size_t thunks = 0;
        if (!ToOffset(thunksRva, thunks)) {
            return Fail("the import list of " + import.dll + " lies outside the file");
        }
        const std::size_t width = image_.bPe32Plus ? 8 : 4;
        for (std::uint32_t i = 0;; ++i) {
            if (i >= kMaxNames) {
                return Fail("the import list of " + import.dll + " has no end");
            }
            std::uint64_t thunk = 0;
            std::uint32_t thunk32 = 0;
            const std::size_t at = thunks + width * i;
            if (image_.bPe32Plus ? !bytes_.Read64(at, thunk) : !bytes_.Read32(at, thunk32)) {
                return Fail("the import list of " + import.dll + " runs off the file");
            }
            if (!image_.bPe32Plus) {
                thunk = thunk32;
            }
            if (thunk == 0) {
                return true;
            }
            const std::uint64_t ordinalFlag = image_.bPe32Plus ? 1ULL << 63 : 1ULL << 31;
            if ((thunk & ordinalFlag) != 0) {
                import.functions.push_back("#" + std::to_string(thunk & 0xFFFF));
                continue;
            }
            std::string name;
            if (thunk > 0xFFFFFFFFULL || !ReadNameAt(static_cast<std::uint32_t>(thunk) + 2, name)) {
                return Fail("a function name imported from " + import.dll + " lies outside the file");
            }
            import.functions.push_back(name);
        }
    }

    bool ReadImports() {
        std::uint32_t rva = 0;
        std::uint32_t size = 0;
        if (!ReadDirectory(1, rva, size)) {
            return Fail("the data directories are cut short");
        }
        if (rva == 0) {
            return true;
        }
        std::size_t table = 0;
        if (!ToOffset(rva, table)) {
            return Fail("the import table lies outside the file");
        }
        for (std::uint32_t i = 0;; ++i) {
            if (i >= kMaxImportedDlls) {
                return Fail("the import table has no end");
            }
            const std::size_t descriptor = table + 20 * static_cast<std::size_t>(i);
            std::uint32_t lookupRva = 0;
            std::uint32_t nameRva = 0;
            std::uint32_t addressRva = 0;
            if (!bytes_.Read32(descriptor, lookupRva) || !bytes_.Read32(descriptor + 12, nameRva) ||
                !bytes_.Read32(descriptor + 16, addressRva)) {
                return Fail("the import table runs off the file");
            }
            if (lookupRva == 0 && nameRva == 0 && addressRva == 0) {
                return true;
            }
            PeImport import;
            if (!ReadNameAt(nameRva, import.dll)) {
                return Fail("an imported DLL's name lies outside the file");
            }
            if (!ReadThunks(lookupRva != 0 ? lookupRva : addressRva, import)) {
                return false;
            }
            image_.imports.push_back(import);
        }
    }

    ImageBytes bytes_;
    PeImage& image_;
    std::string& error_;
    std::vector<Section> sections_;
    std::size_t directories_ = 0;
    std::uint32_t directoryCount_ = 0;
};

}  // namespace

bool ReadPeImage(const std::vector<unsigned char>& bytes, PeImage& image, std::string& error) {
    image = PeImage();
    return ImageReader(bytes, image, error).Read();
}

std::string DescribeMachine(std::uint16_t wMachine) {
    switch (wMachine) {
    case kMachineX86:
        return "x86";
    case kMachineX64:
        return "x64";
    case 0xAA64:
        return "ARM64";
    case 0x01C4:
        return "ARM";
    case 0x0200:
        return "Itanium";
    default: {
        static const char kDigits[] = "0123456789abcdef";
        std::string hex = "machine 0x";
        for (int shift = 12; shift >= 0; shift -= 4) {
            hex += kDigits[(wMachine >> shift) & 0xF];
        }
        return hex;
    }
    }
}

}  // namespace marlow

// What a Windows DLL shows the loader: its machine type, the subsystem
// version its header asks for, the names it exports and the functions it
// imports from each DLL. Read from the file's bytes alone, so it works the
// same on every system; every offset is checked against the bytes, and a
// file that is no PE image, or whose tables point outside it, gives an error
// instead of a partial image.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marlow {

constexpr std::uint16_t kMachineX86 = 0x014C;
constexpr std::uint16_t kMachineX64 = 0x8664;

struct PeImport {
    std::string dll;                     // as written in the import table
    std::vector<std::string> functions;  // by name; "#N" for ordinal N
};

struct PeImage {
    std::uint16_t wMachine = 0;
    bool bPe32Plus = false;  // 64-bit optional header
    int nMajorSubsystemVersion = 0;
    int nMinorSubsystemVersion = 0;
    std::vector<std::string> exports;  // the export table's names, in its order
    std::vector<PeImport> imports;
};

// False, with a sentence in error, when the bytes are no PE image or one of
// its tables cannot be read.
[[nodiscard]] bool ReadPeImage(const std::vector<unsigned char>& bytes, PeImage& image,
                               std::string& error);

// "x86", "x64", "ARM64", ... or "machine 0x1234".
std::string DescribeMachine(std::uint16_t wMachine);

}  // namespace marlow

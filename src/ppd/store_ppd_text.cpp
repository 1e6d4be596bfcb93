#include "ppd/store_ppd_text.h"

#include <cstddef>
#include <memory>
#include <new>

#include "ppd/ansi_text.h"

namespace marlow {

namespace {

// Texts that fit here need no heap; longer ones are rare (values and names
// stored in a PpdText are short in any real file).
constexpr std::size_t kLocalBytes = 1040;

void CopyLowBytes(const char16_t* raw, std::size_t count, char* bytes) {
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<char>(static_cast<unsigned char>(raw[i] & 0xFF));
    }
    bytes[count] = 0;
}

void ConvertInto(const char* bytes, PpdText& target) {
    char16_t units[PpdText::kCapacity];
    const std::int32_t length = ConvertAnsiText(bytes, units, PpdText::kCapacity);
    target.Assign(units, length);
}

// Measures the raw text and tells whether all its units are ASCII. Every
// ANSI code page reads the bytes 0x01 to 0x7F as the same code points, so
// such a text is stored as it is, without a conversion.
std::size_t MeasureRawText(const char16_t* raw, bool* pbAscii) {
    std::size_t count = 0;
    char16_t seen = 0;
    if (raw != nullptr) {
        for (; raw[count] != 0; ++count) {
            seen |= raw[count];
        }
    }
    *pbAscii = seen < 0x80;
    return count;
}

}  // namespace

void StorePpdText(const char16_t* raw, PpdText& target) {
    bool bAscii = false;
    const std::size_t count = MeasureRawText(raw, &bAscii);
    if (count < kLocalBytes) {
        if (bAscii) {
            target.Assign(raw, count < PpdText::kCapacity ? static_cast<std::int32_t>(count)
                                                          : PpdText::kMaxLength);
            return;
        }
        char bytes[kLocalBytes];
        CopyLowBytes(raw, count, bytes);
        ConvertInto(bytes, target);
        return;
    }
    std::unique_ptr<char[]> bytes(new (std::nothrow) char[count + 1]);
    if (!bytes) {
        target.Clear();
        return;
    }
    CopyLowBytes(raw, count, bytes.get());
    ConvertInto(bytes.get(), target);
}

}  // namespace marlow

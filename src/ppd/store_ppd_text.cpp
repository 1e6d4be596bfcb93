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

// Measures the raw text up to its first zero, and tells whether all its
// units are ASCII. Every ANSI code page reads the bytes 0x01 to 0x7F as the
// same code points, so such a text is stored as it is, without a conversion.
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

// The same for a text whose length is known, which may still hold a zero (a
// quoted value can): one pass with no early exit, which the compiler can run
// over several units at a time, and the measuring pass only for a zero.
std::size_t MeasureCountedText(const char16_t* raw, std::size_t count, bool* pbAscii) {
    char16_t seen = 0;
    bool bZero = false;
    for (std::size_t i = 0; i < count; ++i) {
        seen |= raw[i];
        bZero |= raw[i] == 0;
    }
    if (bZero) {
        return MeasureRawText(raw, pbAscii);
    }
    *pbAscii = seen < 0x80;
    return count;
}

void StoreMeasuredText(const char16_t* raw, std::size_t count, bool bAscii, PpdText& target) {
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

}  // namespace

void StorePpdText(const char16_t* raw, PpdText& target) {
    bool bAscii = false;
    const std::size_t count = MeasureRawText(raw, &bAscii);
    StoreMeasuredText(raw, count, bAscii, target);
}

void StorePpdText(const char16_t* raw, std::size_t count, PpdText& target) {
    bool bAscii = false;
    const std::size_t measured = MeasureCountedText(raw, count, &bAscii);
    StoreMeasuredText(raw, measured, bAscii, target);
}

}  // namespace marlow

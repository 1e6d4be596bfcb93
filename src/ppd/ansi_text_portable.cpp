// Windows-1252 without the system: the code page that Windows itself uses for
// the ANSI text of western installations, and the one Wine starts with.
#include "ppd/ansi_text.h"

namespace marlow {

namespace {

// 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined map to the
// code points of the same value, as MultiByteToWideChar maps them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t DecodeWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kWindows1252High[byte - 0x80];
    }
    return byte;
}

}  // namespace

std::int32_t ConvertAnsiText(const char* bytes, char16_t* out, std::int32_t capacity) {
    std::int32_t length = 0;
    while (length < capacity - 1 && bytes[length] != 0) {
        out[length] = DecodeWindows1252(static_cast<unsigned char>(bytes[length]));
        ++length;
    }
    out[length] = 0;
    return length;
}

}  // namespace marlow

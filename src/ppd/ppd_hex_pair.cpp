#include "ppd/ppd_hex_pair.h"

namespace marlow {

namespace {

int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

bool IsCWhiteSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int ReadSignedDigit(char16_t sign, char16_t digit) {
    const int value = HexDigitValue(digit);
    if (value < 0) {
        return 0;
    }
    return sign == u'-' ? -value : value;
}

}  // namespace

int ReadHexPair(char16_t first, char16_t second) {
    if (IsCWhiteSpace(first)) {
        return ReadSignedDigit(u'+', second);
    }
    if (first == u'+' || first == u'-') {
        return ReadSignedDigit(first, second);
    }
    const int high = HexDigitValue(first);
    if (high < 0) {
        return 0;
    }
    const int low = HexDigitValue(second);
    return low < 0 ? high : high * 16 + low;
}

}  // namespace marlow

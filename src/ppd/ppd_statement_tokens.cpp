#include "ppd/ppd_statement_tokens.h"

#include "ppd/ppd_hex_pair.h"
#include "ppd/ppd_token.h"
#include "ppd/store_ppd_text.h"

namespace marlow {

namespace {

// One piece of a name, between slashes; characters past 259 are dropped.
class NamePiece {
public:
    NamePiece() : nLength_(0), wszUnits_{} {}

    void Append(char16_t unit) {
        if (nLength_ < PpdText::kMaxLength) {
            wszUnits_[nLength_++] = unit;
        }
    }

    void Clear() { nLength_ = 0; }

    // Stores the piece; with bDropAsterisk, less a leading '*'.
    void StoreInto(PpdText& target, bool bDropAsterisk) {
        wszUnits_[nLength_] = 0;
        const bool bSkip = bDropAsterisk && nLength_ > 0 && wszUnits_[0] == u'*';
        StorePpdText(wszUnits_ + (bSkip ? 1 : 0), target);
    }

private:
    std::int32_t nLength_;
    char16_t wszUnits_[PpdText::kCapacity];
};

// Hex mode of a name: between '<' and '>' each pair of characters is one
// byte; a digit left over at '>' is dropped.
class HexState {
public:
    HexState() : bActive_(false), bPending_(false), chPending_(0) {}

    bool IsActive() const { return bActive_; }
    void Begin() {
        bActive_ = true;
        bPending_ = false;
    }
    void End() {
        bActive_ = false;
        bPending_ = false;
    }

    // Takes one character; true, with the byte, when it completes a pair.
    bool Take(char16_t c, char16_t* pByte) {
        if (!bPending_) {
            chPending_ = c;
            bPending_ = true;
            return false;
        }
        bPending_ = false;
        *pByte = static_cast<char16_t>(ReadHexPair(chPending_, c) & 0xFF);
        return true;
    }

private:
    bool bActive_;
    bool bPending_;
    char16_t chPending_;
};

void SplitName(const char16_t* token, PpdText& keyword, PpdText& translation) {
    NamePiece piece;
    HexState hex;
    for (const char16_t* p = token; *p != 0; ++p) {
        const char16_t c = *p;
        char16_t byte = 0;
        if (c == u'/') {
            piece.StoreInto(keyword, false);
            piece.Clear();
        } else if (c == u'<') {
            hex.Begin();
        } else if (c == u'>') {
            hex.End();
        } else if (!hex.IsActive()) {
            piece.Append(c);
        } else if (hex.Take(c, &byte)) {
            piece.Append(byte);
        }
    }
    if (keyword.Length() == 0) {
        piece.StoreInto(keyword, false);
    }
    piece.StoreInto(translation, true);
}

}  // namespace

bool ReadValueToken(PpdByteSource& source, char16_t* tokenBuffer, PpdText& target) {
    std::int32_t length = 0;
    if (!ReadPpdToken(source, tokenBuffer, false, &length)) {
        return false;
    }
    // The buffer holds the whole token: ReadPpdToken keeps all it counts.
    StorePpdText(tokenBuffer, static_cast<std::size_t>(length), target);
    return true;
}

bool ReadNameToken(PpdByteSource& source, char16_t* tokenBuffer, PpdText& keyword,
                   PpdText& translation) {
    if (!ReadPpdToken(source, tokenBuffer, true, nullptr)) {
        return false;
    }
    SplitName(tokenBuffer, keyword, translation);
    return true;
}

}  // namespace marlow

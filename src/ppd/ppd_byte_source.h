// The PPD file's bytes as the reader sees them: one at a time from the
// caller's read function, with one character of look-ahead.
#pragma once

#include <cstdint>

namespace marlow {

// Returns the next byte (0 to 255), or -1 at the end of the input. After the
// end it must go on returning -1.
using PpdReadFunction = int (*)(void* context);

class PpdByteSource {
public:
    PpdByteSource(PpdReadFunction read, void* context);
    PpdByteSource(const PpdByteSource&) = delete;
    PpdByteSource& operator=(const PpdByteSource&) = delete;
    virtual ~PpdByteSource();

    // The next character, from the look-ahead slot if it holds one.
    int GetChar() {
        int c = nLookAhead_;
        if (c < 0) {
            c = ReadNext();
        }
        nLookAhead_ = -1;
        if (c >= 0) {
            CountTaken(c);
        }
        return c;
    }

    // The next character, left in the look-ahead slot for GetChar. The end
    // of the input never stays there: the next GetChar reads again.
    int PeekChar() {
        if (nLookAhead_ < 0) {
            nLookAhead_ = ReadNext();
        }
        return nLookAhead_;
    }

    // Bytes taken by GetChar so far, and the line they reached (1 plus the
    // line feeds taken); only for reporting where reading stopped.
    std::int64_t BytesTaken() const { return nBytesTaken_; }
    std::int64_t LineReached() const { return nLineFeedsTaken_ + 1; }

private:
    // Negative results are the end; a result above 255 from a careless read
    // function keeps its low byte rather than leaving the byte range.
    int ReadNext() {
        const int c = pfnRead_ == nullptr ? -1 : pfnRead_(pContext_);
        return c < 0 ? -1 : (c & 0xFF);
    }

    void CountTaken(int c) {
        ++nBytesTaken_;
        if (c == '\n') {
            ++nLineFeedsTaken_;
        }
    }

    PpdReadFunction pfnRead_;
    int nLookAhead_;
    void* pContext_;
    std::int64_t nBytesTaken_;
    std::int64_t nLineFeedsTaken_;
};

}  // namespace marlow

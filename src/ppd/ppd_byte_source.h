// The PPD file's bytes as the reader sees them: one at a time from the
// caller's read function, with one character of look-ahead.
#pragma once

#include <cstdint>
#include <cstdio>

namespace marlow {

// Returns the next byte (0 to 255), or -1 at the end of the input. After the
// end it must go on returning -1.
using PpdReadFunction = int (*)(void* context);

class PpdByteSource {
public:
    PpdByteSource(PpdReadFunction read, void* context);
    PpdByteSource(const PpdByteSource&) = delete;
    PpdByteSource& operator=(const PpdByteSource&) = delete;

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

    // Takes characters and hands each to step, until step answers false;
    // the end of the input is handed over as -1 and step must answer false
    // to it. The same characters as repeated GetChar calls, but the loop
    // keeps its counts in registers instead of this object: the read
    // function is opaque to the compiler, and state written through this
    // object would go to memory and back around every call.
    template <typename Step>
    void TakeWhile(Step&& step) {
        Take<true>(step);
    }

    // The same, for a step that answers false to every line feed: only the
    // character that stops it can be one, so the loop need not look for
    // line feeds on the way.
    template <typename Step>
    void TakeWithinLine(Step&& step) {
        Take<false>(step);
    }

    // Bytes taken by GetChar so far, and the line they reached (1 plus the
    // line feeds taken); only for reporting where reading stopped.
    std::int64_t BytesTaken() const { return nBytesTaken_; }
    std::int64_t LineReached() const { return nLineFeedsTaken_ + 1; }

private:
    template <bool kEveryLineFeed, typename Step>
    void Take(Step& step) {
        if (nLookAhead_ >= 0) {
            const int c = GetChar();
            if (!step(c)) {
                return;
            }
        }
        if (pFile_ != nullptr) {
            std::FILE* const file = pFile_;
            // fgetc answers a byte as an unsigned char, or EOF.
            static_assert(EOF == -1, "the end of the input is -1");
            TakeFrom<kEveryLineFeed>([file] { return std::fgetc(file); }, step);
        } else {
            const PpdReadFunction read = pfnRead_;
            void* const context = pContext_;
            TakeFrom<kEveryLineFeed>(
                [read, context] {
                    const int c = read == nullptr ? -1 : read(context);
                    return c < 0 ? -1 : (c & 0xFF);
                },
                step);
        }
    }

    template <bool kEveryLineFeed, typename Read, typename Step>
    void TakeFrom(Read read, Step& step) {
        // The end of the input, if it comes, is the last character handed
        // over: the calls less that one are the bytes taken.
        std::int64_t calls = 0;
        std::int64_t lineFeeds = 0;
        int c = 0;
        for (;;) {
            c = read();
            ++calls;
            if (kEveryLineFeed) {
                lineFeeds += c == '\n' ? 1 : 0;
            }
            if (!step(c)) {
                break;
            }
        }
        if (!kEveryLineFeed) {
            lineFeeds = c == '\n' ? 1 : 0;
        }
        nBytesTaken_ += calls - (c < 0 ? 1 : 0);
        nLineFeedsTaken_ += lineFeeds;
    }

    // Negative results are the end; a result above 255 from a careless read
    // function keeps its low byte rather than leaving the byte range.
    int ReadNext() {
        int c = -1;
        if (pFile_ != nullptr) {
            c = std::fgetc(pFile_);
        } else if (pfnRead_ != nullptr) {
            c = pfnRead_(pContext_);
        }
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
    // The file when the read function is ReadPpdFileByte (ppd_input.h): the
    // loops then call fgetc themselves, one call per byte as in a bare fgetc
    // loop, rather than a call of the read function around each.
    std::FILE* pFile_;
    std::int64_t nBytesTaken_;
    std::int64_t nLineFeedsTaken_;
};

}  // namespace marlow

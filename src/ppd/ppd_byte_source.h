// The PPD file's bytes as the reader sees them: one at a time from the
// caller's read function, counted for reporting where reading stopped.
#pragma once

#include <cstdint>
#include <cstdio>

namespace marlow {

// Returns the next byte (0 to 255), or -1 at the end of the input. After the
// end it must go on returning -1.
using PpdReadFunction = int (*)(void* context);

// What a scan hands its body: the next byte (0 to 255) or -1 at the end, one
// read per call, and the line feeds the body has taken. The body counts
// line feeds itself, only where a run can hold one.
template <typename ReadByte>
class PpdByteReader {
public:
    explicit PpdByteReader(ReadByte readByte) : readByte_(readByte), nCalls_(0), nLineFeeds_(0) {}

    int operator()() {
        ++nCalls_;
        return readByte_();
    }

    void CountLineFeed(int c) { nLineFeeds_ += c == '\n' ? 1 : 0; }

    std::int64_t Calls() const { return nCalls_; }
    std::int64_t LineFeeds() const { return nLineFeeds_; }

private:
    ReadByte readByte_;
    std::int64_t nCalls_;
    std::int64_t nLineFeeds_;
};

class PpdByteSource {
public:
    PpdByteSource(PpdReadFunction read, void* context);
    PpdByteSource(const PpdByteSource&) = delete;
    PpdByteSource& operator=(const PpdByteSource&) = delete;

    // Runs body(reader) over the input and answers what it answers. body
    // takes bytes by calling the reader, tells it of every line feed it
    // takes, and answers the last value it read, or something whose
    // IsEnd() says whether that was the end of the input: that read
    // took no byte. The reader lives in the caller's frame, so the loops
    // keep their counts in registers and this object is written once per
    // scan; with the plug-in's read function the reader calls fgetc itself,
    // one call per byte as in a bare fgetc loop.
    template <typename Body>
    auto Scan(Body&& body) {
        if (pFile_ != nullptr) {
            std::FILE* const file = pFile_;
            // fgetc answers a byte as an unsigned char, or EOF.
            static_assert(EOF == -1, "the end of the input is -1");
            PpdByteReader<FileByte> reader(FileByte{file});
            return Finish(reader, body(reader));
        }
        PpdByteReader<FunctionByte> reader(FunctionByte{pfnRead_, pContext_});
        return Finish(reader, body(reader));
    }

    // Bytes taken so far, and the line they reached (1 plus the line feeds
    // taken); only for reporting where reading stopped.
    std::int64_t BytesTaken() const { return nBytesTaken_; }
    std::int64_t LineReached() const { return nLineFeedsTaken_ + 1; }

private:
    struct FileByte {
        std::FILE* file;
        int operator()() const { return std::fgetc(file); }
    };

    // Negative results are the end; a result above 255 from a careless read
    // function keeps its low byte rather than leaving the byte range.
    struct FunctionByte {
        PpdReadFunction read;
        void* context;
        int operator()() const {
            const int c = read == nullptr ? -1 : read(context);
            return c < 0 ? -1 : (c & 0xFF);
        }
    };

    template <typename ReadByte, typename Result>
    Result Finish(const PpdByteReader<ReadByte>& reader, Result result) {
        nBytesTaken_ += reader.Calls() - (result.IsEnd() ? 1 : 0);
        nLineFeedsTaken_ += reader.LineFeeds();
        return result;
    }

    PpdReadFunction pfnRead_;
    void* pContext_;
    // The file when the read function is ReadPpdFileByte (ppd_input.h).
    std::FILE* pFile_;
    std::int64_t nBytesTaken_;
    std::int64_t nLineFeedsTaken_;
};

}  // namespace marlow

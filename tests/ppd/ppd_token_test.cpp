// The tokenizer and its byte source, on bytes in memory.
#include "ppd/ppd_token.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ppd/ppd_byte_source.h"
#include "ppd/ppd_input.h"
#include "ppd_test_support.h"

namespace marlow {
namespace {

using testing::Show;

class PpdTokenTest : public ::testing::Test {
protected:
    // All tokens of the text, each read with or without blanks allowed.
    std::vector<std::string> ReadAll(const std::string& text, bool bAllowBlanks = false) {
        PpdMemoryInput input{reinterpret_cast<const unsigned char*>(text.data()), text.size(), 0};
        PpdByteSource source(ReadPpdMemoryByte, &input);
        std::vector<std::string> tokens;
        std::int32_t length = -1;
        while (ReadPpdToken(source, buffer_.get(), bAllowBlanks, &length)) {
            tokens.push_back(Show(buffer_.get(), length));
        }
        EXPECT_EQ(length, 0);
        EXPECT_EQ(buffer_[0], 0);
        return tokens;
    }

    std::unique_ptr<char16_t[]> buffer_{new char16_t[kPpdTokenBufferUnits]};
};

using Tokens = std::vector<std::string>;

TEST_F(PpdTokenTest, SplitsStatementsAtBlanksAndDelimiters) {
    EXPECT_EQ(
        ReadAll("*OpenUI *InputSlot/Paper Source: PickOne\r\n*CloseUI:*InputSlot"),
        (Tokens{"*OpenUI", "*InputSlot/Paper", "Source", "PickOne", "*CloseUI", "*InputSlot"}));
    EXPECT_EQ(ReadAll("a\tb\fc\rd\ne f"), (Tokens{"a", "b", "c", "d", "e", "f"}));
    // A colon where a token begins starts a plain token of its own.
    EXPECT_EQ(ReadAll("*A : b"), (Tokens{"*A", ":", "b"}));
    EXPECT_EQ(ReadAll(""), Tokens{});
    EXPECT_EQ(ReadAll(" \t\r\n"), Tokens{});
}

TEST_F(PpdTokenTest, BlanksAllowedKeepTabsAndSpacesUpToTheColon) {
    EXPECT_EQ(ReadAll("  *InputSlot/Paper\tSource  : PickOne\n", true),
              (Tokens{"*InputSlot/Paper\tSource  ", "PickOne"}));
    // Line ends still end the token.
    EXPECT_EQ(ReadAll("a b\nc d", true), (Tokens{"a b", "c d"}));
}

TEST_F(PpdTokenTest, QuotedValuesSpanLinesAndKeepEverything) {
    EXPECT_EQ(ReadAll("*NickName: \"Vantor: Marlow %1\n*OpenUI\" next"),
              (Tokens{"*NickName", "Vantor: Marlow %1\n*OpenUI", "next"}));
    EXPECT_EQ(ReadAll("\"\"x"), (Tokens{"", "x"}));
    // An unterminated quote runs to the end of the input.
    EXPECT_EQ(ReadAll("*A: \"open\nto the end"), (Tokens{"*A", "open\nto the end"}));
    // A quote inside a plain token ends it.
    EXPECT_EQ(ReadAll("ab\"cd\""), (Tokens{"ab", "cd"}));
}

TEST_F(PpdTokenTest, CommentsBeginOnlyWhereATokenWould) {
    EXPECT_EQ(ReadAll("%comment *OpenUI\n*% another\r*A 50%x"), (Tokens{"*A", "50%x"}));
    EXPECT_EQ(ReadAll("*%\n*"), (Tokens{"*"}));
    EXPECT_EQ(ReadAll("a%b %c d\ne"), (Tokens{"a%b", "e"}));
    // An asterisk before anything else than a percent sign starts a token.
    EXPECT_EQ(ReadAll("* %x"), (Tokens{"*"}));
    EXPECT_EQ(ReadAll("%unterminated comment"), Tokens{});
}

TEST_F(PpdTokenTest, ControlAndHighBytes) {
    // NUL is a blank; 0x0B, 0x1A and every byte from 0x80 up are token
    // characters, kept as units of the same value.
    EXPECT_EQ(ReadAll(std::string("a\0b", 3)), (Tokens{"a", "b"}));
    EXPECT_EQ(ReadAll("a\x0b"
                      "b\x1a"
                      "c \x80\xff"),
              (Tokens{"a\x0b"
                      "b\x1a"
                      "c",
                      "\\u0080\\u00FF"}));
    // In a quoted value a NUL is kept.
    EXPECT_EQ(ReadAll(std::string("\"a\0b\"", 5)).size(), 1u);
}

TEST_F(PpdTokenTest, TokensStopAtTheBufferAndTheRestIsTheNextToken) {
    const std::string longest(kPpdTokenBufferUnits - 1, 'x');
    Tokens tokens = ReadAll(longest + " y");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].size(), longest.size());

    // One more: the character that finds the buffer full is lost.
    tokens = ReadAll(longest + "abc");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].size(), longest.size());
    EXPECT_EQ(tokens[1], "bc");

    // In a quoted value too; its closing quote then opens another one.
    tokens = ReadAll("\"" + longest + "a\"b c\"");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].size(), longest.size());
    EXPECT_EQ(tokens[1], "b c");
}

TEST_F(PpdTokenTest, APrefixReadIsCutWhereTheWholeReadIsAndKeepsItsStart) {
    const std::string longest(kPpdTokenBufferUnits - 1, 'x');
    const std::string text = "*OpenUI" + std::string(300, 'u') + " \"" + longest + "ab\" next";
    PpdMemoryInput input{reinterpret_cast<const unsigned char*>(text.data()), text.size(), 0};
    PpdByteSource source(ReadPpdMemoryByte, &input);
    std::vector<std::string> prefixes;
    while (ReadPpdTokenPrefix(source, buffer_.get())) {
        prefixes.push_back(Show(buffer_.get(), MeasureText(buffer_.get())));
    }
    const Tokens whole = ReadAll(text);
    ASSERT_EQ(prefixes.size(), whole.size());
    ASSERT_EQ(prefixes.size(), 4u) << "the quoted value is cut as a whole read cuts it";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        EXPECT_EQ(prefixes[i], whole[i].substr(0, kPpdTokenPrefixUnits)) << "token " << i;
    }
    EXPECT_EQ(prefixes[0].size(), static_cast<std::size_t>(kPpdTokenPrefixUnits));
    EXPECT_EQ(prefixes[2], "b");
}

// Statement keywords and the feature's own keyword are told apart on the
// kept prefix exactly as on the whole token.
TEST_F(PpdTokenTest, LongTokensNeverPassForKeywordsOrTheFeaturesKeyword) {
    const std::string keyword = "*" + std::string(258, 'k');  // 259 units, the longest text
    const testing::ReadResult result = testing::ReadPpdText(
        "*OpenUI" + std::string(300, 'u') +
        " *X: PickOne\n"  // not an *OpenUI statement
        "*OpenUI " +
        keyword + ": PickOne\n" + keyword + " a: \"\"\n" +  // the feature's keyword: an option
        keyword + "k b: \"\"\n" +                           // one unit longer: skipped
        "*Default" + std::string(300, 'd') +
        ": a\n"  // still a default statement
        "*CloseUI: " +
        keyword + "\n");
    ASSERT_EQ(result.model->GetFeatureCount(), 1);
    const PpdFeature& feature = *result.model->GetPpdFeature(0);
    EXPECT_EQ(feature.keyword.Length(), 259);
    ASSERT_EQ(feature.GetOptionCount(), 1);
    EXPECT_EQ(Show(feature.GetPpdOption(0)->keyword), "a");
    EXPECT_EQ(Show(feature.defaultOption), "a");
    EXPECT_FALSE(result.report.StoppedEarly());
}

// A read function that counts its calls and returns a scripted sequence.
struct ScriptedInput {
    std::vector<int> values;
    std::size_t calls = 0;
};

int ReadScripted(void* context) {
    ScriptedInput& input = *static_cast<ScriptedInput*>(context);
    const int value = input.calls < input.values.size() ? input.values[input.calls] : -1;
    ++input.calls;
    return value;
}

// What a scan read, and how it ended: the last value read.
struct ScanResult {
    std::vector<int> values;
    bool IsEnd() const { return !values.empty() && values.back() < 0; }
};

// Reads until the end of the input or count values, telling the reader of
// every line feed.
ScanResult ScanValues(PpdByteSource& source, std::size_t count) {
    return source.Scan([count](auto& read) {
        ScanResult result;
        while (result.values.size() < count && !result.IsEnd()) {
            result.values.push_back(read());
            read.CountLineFeed(result.values.back());
        }
        return result;
    });
}

TEST(PpdByteSourceTest, ReadsBytesAndCountsWhatEachScanTook) {
    ScriptedInput input{{'a', '\n', 0x141, -7, 'b', -1}};
    PpdByteSource source(ReadScripted, &input);
    // A value above 255 keeps its low byte; any negative value is the end,
    // and the read that found it took no byte.
    EXPECT_EQ(ScanValues(source, 10).values, (std::vector<int>{'a', '\n', 'A', -1}));
    EXPECT_EQ(source.BytesTaken(), 3);
    EXPECT_EQ(source.LineReached(), 2);
    // The end is not remembered: the next scan asks the read function again.
    EXPECT_EQ(ScanValues(source, 1).values, (std::vector<int>{'b'}));
    EXPECT_EQ(ScanValues(source, 10).values, (std::vector<int>{-1}));
    EXPECT_EQ(source.BytesTaken(), 4);
    EXPECT_EQ(input.calls, 6u);
}

TEST(PpdByteSourceTest, NoReadFunctionIsAnEmptyInput) {
    PpdByteSource source(nullptr, nullptr);
    EXPECT_EQ(ScanValues(source, 10).values, (std::vector<int>{-1}));
    EXPECT_EQ(source.BytesTaken(), 0);
    EXPECT_EQ(source.LineReached(), 1);
}

TEST_F(PpdTokenTest, EachTokenTakesExactlyItsBytesAndLineFeeds) {
    // The byte count and the line stop right after the character that ends
    // each token, whatever kind of run came before it.
    const std::string text = "  *a\n%c\n*%d\r\n\"q\nq\":x *\n";
    PpdMemoryInput input{reinterpret_cast<const unsigned char*>(text.data()), text.size(), 0};
    PpdByteSource source(ReadPpdMemoryByte, &input);
    const std::vector<std::pair<std::int64_t, std::int64_t>> expected = {
        {5, 2}, {18, 5}, {21, 5}, {23, 6}};
    for (const auto& [bytes, line] : expected) {
        ASSERT_TRUE(ReadPpdTokenPrefix(source, buffer_.get()));
        EXPECT_EQ(source.BytesTaken(), bytes);
        EXPECT_EQ(source.LineReached(), line);
    }
    EXPECT_FALSE(ReadPpdTokenPrefix(source, buffer_.get()));
    EXPECT_EQ(source.BytesTaken(), static_cast<std::int64_t>(text.size()));
}

}  // namespace
}  // namespace marlow

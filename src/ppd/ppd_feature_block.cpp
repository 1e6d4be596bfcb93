#include "ppd/ppd_feature_block.h"

#include <memory>
#include <new>

#include "ppd/ppd_keyword_table.h"
#include "ppd/ppd_statement_tokens.h"
#include "ppd/ppd_token.h"

namespace marlow {

namespace {

bool StartsWith(const char16_t* token, const char16_t* prefix) {
    for (; *prefix != 0; ++token, ++prefix) {
        if (*token != *prefix) {
            return false;
        }
    }
    return true;
}

PpdReadStop SkipTokens(PpdByteSource& source, char16_t* tokenBuffer, int count) {
    for (int i = 0; i < count; ++i) {
        if (!SkipPpdToken(source, tokenBuffer)) {
            return PpdReadStop::kInputEnded;
        }
    }
    return PpdReadStop::kNone;
}

// "*?...": one more token the first time; a second query fails the block.
PpdReadStop ReadQueryStatement(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature) {
    if (feature.bQuerySeen) {
        return PpdReadStop::kSecondQuery;
    }
    const PpdReadStop stop = SkipTokens(source, tokenBuffer, 1);
    feature.bQuerySeen = stop == PpdReadStop::kNone;
    return stop;
}

// The feature's own keyword: an option name, then the option's code, which
// is not kept. The option is counted even when the input ends inside it.
PpdReadStop ReadOptionStatement(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature) {
    if (!feature.options.MakeRoom()) {
        return PpdReadStop::kOutOfMemory;
    }
    std::unique_ptr<PpdOption> created(new (std::nothrow) PpdOption);
    PpdOption* option = created.get();
    if (!feature.options.Add(std::move(created))) {
        return PpdReadStop::kOutOfMemory;
    }
    if (!ReadNameToken(source, tokenBuffer, option->keyword, option->translation)) {
        return PpdReadStop::kInputEnded;
    }
    return SkipTokens(source, tokenBuffer, 1);
}

// Acts on one token inside the block, tested in this order. *pbClosed
// becomes true when the block has ended properly.
PpdReadStop ReadBlockStatement(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature,
                               bool* pbClosed) {
    if (LookUpPpdKeyword(tokenBuffer) == kPpdCloseUI) {
        // The keyword after "*CloseUI" is not compared with the feature's.
        const PpdReadStop stop = SkipTokens(source, tokenBuffer, 1);
        *pbClosed = stop == PpdReadStop::kNone;
        return stop;
    }
    if (StartsWith(tokenBuffer, u"*Default")) {
        // Any feature's default statement: the block does not compare the rest.
        return ReadValueToken(source, tokenBuffer, feature.defaultOption)
                   ? PpdReadStop::kNone
                   : PpdReadStop::kInputEnded;
    }
    if (CompareTexts(tokenBuffer, u"*OrderDependency") == 0) {
        return SkipTokens(source, tokenBuffer, 3);
    }
    if (StartsWith(tokenBuffer, u"*?")) {
        return ReadQueryStatement(source, tokenBuffer, feature);
    }
    if (feature.keyword.EqualsString(tokenBuffer)) {
        return ReadOptionStatement(source, tokenBuffer, feature);
    }
    return PpdReadStop::kNone;
}

}  // namespace

PpdReadStop ReadFeatureBlock(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature) {
    // The name, then the UI type ("PickOne", "Boolean"), which is not kept.
    if (!ReadNameToken(source, tokenBuffer, feature.keyword, feature.translation)) {
        return PpdReadStop::kInputEnded;
    }
    PpdReadStop stop = SkipTokens(source, tokenBuffer, 1);
    bool bClosed = false;
    while (stop == PpdReadStop::kNone && !bClosed) {
        // Only looked up and compared: a prefix tells them apart.
        if (!ReadPpdTokenPrefix(source, tokenBuffer)) {
            return PpdReadStop::kInputEnded;
        }
        stop = ReadBlockStatement(source, tokenBuffer, feature, &bClosed);
    }
    return stop;
}

}  // namespace marlow

#include "ppd/ppd_feature_block.h"

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

bool SkipTokens(PpdByteSource& source, char16_t* tokenBuffer, int count) {
    for (int i = 0; i < count; ++i) {
        if (!ReadPpdToken(source, tokenBuffer, false, nullptr)) {
            return false;
        }
    }
    return true;
}

// What one statement inside the block leads to.
enum class Step { kGoOn, kClosed, kInputEnded, kSecondQuery, kOutOfMemory };

Step GoOnUnless(bool bInputEnded) { return bInputEnded ? Step::kInputEnded : Step::kGoOn; }

// "*?...": one more token the first time; a second query fails the block.
Step ReadQueryStatement(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature) {
    if (feature.bQuerySeen) {
        return Step::kSecondQuery;
    }
    if (!SkipTokens(source, tokenBuffer, 1)) {
        return Step::kInputEnded;
    }
    feature.bQuerySeen = true;
    return Step::kGoOn;
}

// The feature's own keyword: an option name, then the option's code, which
// is not kept. The option is counted even when the input ends inside it.
Step ReadOptionStatement(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature) {
    if (!feature.options.MakeRoom()) {
        return Step::kOutOfMemory;
    }
    std::unique_ptr<PpdOption> created(new (std::nothrow) PpdOption);
    if (!created) {
        return Step::kOutOfMemory;
    }
    PpdOption& option = *created;
    feature.options.Add(std::move(created));
    return GoOnUnless(!ReadNameToken(source, tokenBuffer, option.keyword, option.translation) ||
                      !SkipTokens(source, tokenBuffer, 1));
}

// Acts on one token inside the block, tested in this order.
Step ReadBlockStatement(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature) {
    if (LookUpPpdKeyword(tokenBuffer) == kPpdCloseUI) {
        // The keyword after "*CloseUI" is not compared with the feature's.
        return SkipTokens(source, tokenBuffer, 1) ? Step::kClosed : Step::kInputEnded;
    }
    if (StartsWith(tokenBuffer, u"*Default")) {
        // Any feature's default statement: the block does not compare the rest.
        return GoOnUnless(!ReadValueToken(source, tokenBuffer, feature.defaultOption));
    }
    if (CompareTexts(tokenBuffer, u"*OrderDependency") == 0) {
        return GoOnUnless(!SkipTokens(source, tokenBuffer, 3));
    }
    if (StartsWith(tokenBuffer, u"*?")) {
        return ReadQueryStatement(source, tokenBuffer, feature);
    }
    if (feature.keyword.EqualsString(tokenBuffer)) {
        return ReadOptionStatement(source, tokenBuffer, feature);
    }
    return Step::kGoOn;
}

PpdBlockEnd EndOfBlock(Step step) {
    switch (step) {
    case Step::kSecondQuery:
        return PpdBlockEnd::kSecondQuery;
    case Step::kOutOfMemory:
        return PpdBlockEnd::kOutOfMemory;
    case Step::kInputEnded:
        return PpdBlockEnd::kInputEnded;
    default:
        return PpdBlockEnd::kClosed;
    }
}

}  // namespace

std::unique_ptr<PpdFeature> CreatePpdFeature() {
    std::unique_ptr<PpdFeature> feature(new (std::nothrow) PpdFeature);
    if (feature && !feature->options.Allocate(kFirstOptionCapacity)) {
        feature.reset();
    }
    return feature;
}

PpdBlockEnd ReadFeatureBlock(PpdByteSource& source, char16_t* tokenBuffer, PpdFeature& feature) {
    // The name, then the UI type ("PickOne", "Boolean"), which is not kept.
    if (!ReadNameToken(source, tokenBuffer, feature.keyword, feature.translation) ||
        !SkipTokens(source, tokenBuffer, 1)) {
        return PpdBlockEnd::kInputEnded;
    }
    for (;;) {
        if (!ReadPpdToken(source, tokenBuffer, false, nullptr)) {
            return PpdBlockEnd::kInputEnded;
        }
        const Step step = ReadBlockStatement(source, tokenBuffer, feature);
        if (step != Step::kGoOn) {
            return EndOfBlock(step);
        }
    }
}

}  // namespace marlow

#include "ppd_lint.h"

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <set>

#include "ppd/ansi_text.h"
#include "ppd/ppd_input.h"
#include "ppd/ppd_looked_after_features.h"
#include "ppd/ppd_reader.h"
#include "ppd_line_view.h"
#include "utf8_append.h"

namespace marlow {

namespace {

// ---- texts -----------------------------------------------------------------

// A finding is one line: control characters of the file (line ends of a
// quoted value among them) are shown as escapes, "\n", "\r", "\t", "\x01".
void AppendEscapedControl(std::string& out, std::uint32_t unit) {
    static const char kHex[] = "0123456789ABCDEF";
    if (unit == '\n') {
        out += "\\n";
    } else if (unit == '\r') {
        out += "\\r";
    } else if (unit == '\t') {
        out += "\\t";
    } else {
        out += "\\x";
        out += kHex[(unit >> 4) & 0xF];
        out += kHex[unit & 0xF];
    }
}

std::string ToUtf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t unit = text[i];
        if (unit < 0x20 || unit == 0x7F) {
            AppendEscapedControl(out, unit);
            continue;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            unit = 0xFFFD;
        }
        AppendUtf8(out, unit);
    }
    return out;
}

std::u16string FromModel(const PpdText& text) { return std::u16string(text.Text(), text.Length()); }
std::u16string FromModel(const PpdConstraintText& text) {
    return std::u16string(text.Text(), text.Length());
}

// The file's bytes through the same code page as the plug-in, cut like the
// plug-in's texts.
std::u16string FromFile(const std::string& bytes) {
    char16_t units[PpdText::kCapacity];
    const std::int32_t length = ConvertAnsiText(bytes.c_str(), units, PpdText::kCapacity);
    return std::u16string(units, static_cast<std::size_t>(length));
}

std::string Quote(const std::u16string& text) { return "\"" + ToUtf8(text) + "\""; }
std::string Show(const std::string& bytes) { return ToUtf8(FromFile(bytes)); }

std::string Plural(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// ---- the plug-in's reading, with the lines of its statements ---------------

struct PluginReading {
    std::unique_ptr<PpdModel> pModel;
    PpdReadReport report;
    std::vector<std::int64_t> featureLines;     // per model feature
    std::vector<std::int64_t> constraintLines;  // per model constraint
};

void NoteStatementLine(void* context, PpdKeywordCode code, std::int64_t line) {
    PluginReading& reading = *static_cast<PluginReading*>(context);
    (code == kPpdOpenUI ? reading.featureLines : reading.constraintLines).push_back(line);
}

PluginReading ReadAsThePlugInDoes(const std::vector<unsigned char>& bytes) {
    PluginReading reading;
    PpdMemoryInput input{bytes.data(), bytes.size(), 0};
    PpdReadSettings settings;
    settings.pfnObserve = NoteStatementLine;
    settings.pObserverContext = &reading;
    reading.pModel = ReadPpdModel(ReadPpdMemoryByte, &input, settings, &reading.report);
    if (!reading.pModel) {
        throw std::bad_alloc();  // the model object itself; the tool reports it
    }
    return reading;
}

// ---- the lint --------------------------------------------------------------

class Lint {
public:
    explicit Lint(const std::vector<unsigned char>& bytes)
        : lines_(ReadPpdLines(bytes)),
          reading_(ReadAsThePlugInDoes(bytes)),
          model_(*reading_.pModel) {
        CollectDefinitions();
        MatchFeatures();
    }

    std::vector<LintFinding> Run() {
        FindShortConstraints();
        FindFeatureNames();
        FindUnclosedBlocks();
        FindEarlyEnd();
        FindLostFeatures();
        FindUndefinedNames();
        FindSameTranslations();
        FindMissingFeatures();
        FindInstallableGroup();
        std::stable_sort(
            findings_.begin(), findings_.end(),
            [](const LintFinding& a, const LintFinding& b) { return a.nLine < b.nLine; });
        return findings_;
    }

private:
    void Add(std::int64_t line, const char* category, std::string message) {
        findings_.push_back(LintFinding{line, category, std::move(message)});
    }

    bool IsFeatureStatement(const PpdLineStatement& s) const {
        return s.keyword == "*OpenUI" || s.keyword == "*JCLOpenUI";
    }

    // The line the plug-in stopped at, or past the end.
    std::int64_t StopLine() const {
        return reading_.report.StoppedEarly() ? reading_.report.nLine : INT64_MAX;
    }

    void CollectDefinitions() {
        for (std::size_t c = 0; c < reading_.constraintLines.size(); ++c) {
            constraintOfLine_.emplace(reading_.constraintLines[c], static_cast<std::int32_t>(c));
        }
        for (const PpdLineStatement& s : lines_) {
            if (IsFeatureStatement(s)) {
                definedFeatures_.insert(s.option);
            }
        }
        for (const PpdLineStatement& s : lines_) {
            if (definedFeatures_.count(s.keyword) != 0 && !s.option.empty()) {
                definedOptions_[s.keyword].insert(s.option);
            }
        }
    }

    // Each model feature to the "*OpenUI" statement of the file on the line
    // where the plug-in read that keyword (or the last one before it).
    void MatchFeatures() {
        for (std::size_t f = 0; f < reading_.featureLines.size(); ++f) {
            int match = -1;
            for (std::size_t i = 0;
                 i < lines_.size() && lines_[i].nLine <= reading_.featureLines[f]; ++i) {
                if (lines_[i].keyword == "*OpenUI") {
                    match = static_cast<int>(i);
                }
            }
            featureStatements_.push_back(match);
            if (match >= 0) {
                readOpenUIs_.insert(match);
            }
        }
    }

    // "*UIConstraints" with fewer than four tokens: the plug-in takes the
    // missing ones from the statements after it.
    void FindShortConstraints() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const PpdLineStatement& s = lines_[i];
            if (s.keyword != "*UIConstraints" || SplitValueTokens(s.value).size() >= 4 ||
                s.nLine >= StopLine()) {
                continue;
            }
            const PpdLineStatement* next = i + 1 < lines_.size() ? &lines_[i + 1] : nullptr;
            const bool bExplained = explainedLines_.count(s.nLine) != 0;
            if (next != nullptr) {
                explainedLines_.insert(next->nLine);
            }
            const auto found = constraintOfLine_.find(s.nLine);
            if (found == constraintOfLine_.end()) {
                if (bExplained) {
                    continue;  // the finding of the statement before says it is lost
                }
                Add(s.nLine, "short-constraint",
                    "the plug-in never reads the constraint \"" + Show(s.value) +
                        "\", since the statement before it took its keyword as a token.");
                continue;
            }
            const UiConstraint& c = *model_.GetUiConstraint(found->second);
            std::string message = "the plug-in reads the constraint \"" + Show(s.value) + "\" as " +
                                  Quote(FromModel(c.firstFeature)) + " " +
                                  Quote(FromModel(c.firstOption)) + " " +
                                  Quote(FromModel(c.secondFeature)) + " " +
                                  Quote(FromModel(c.secondOption)) + ", so it rules out nothing";
            if (next != nullptr) {
                message += " and the " + Show(next->keyword) + " statement on line " +
                           std::to_string(next->nLine) + " is lost";
            }
            Add(s.nLine, "short-constraint", message + ".");
        }
    }

    // "*OpenUI" names that the plug-in keeps differently: it splits at the
    // last slash, keeps blanks and an empty translation.
    void FindFeatureNames() {
        for (std::size_t f = 0; f < featureStatements_.size(); ++f) {
            if (featureStatements_[f] < 0) {
                continue;
            }
            const PpdLineStatement& s = lines_[featureStatements_[f]];
            const PpdFeature& feature = *model_.GetPpdFeature(static_cast<std::int32_t>(f));
            const std::u16string keyword = FromFile(s.option);
            std::u16string translation = FromFile(s.translation);
            if (translation.empty()) {
                translation = keyword.substr(keyword.empty() || keyword[0] != u'*' ? 0 : 1);
            }
            if (FromModel(feature.keyword) != keyword) {
                Add(s.nLine, "feature-name",
                    "the plug-in keeps the keyword of feature " + Quote(keyword) + " as " +
                        Quote(FromModel(feature.keyword)) +
                        ", so it reads none of the feature's options and marks nothing on its "
                        "item.");
            } else if (FromModel(feature.translation) != translation) {
                Add(s.nLine, "feature-name",
                    "the plug-in keeps the translation of feature " + Quote(keyword) + " as " +
                        Quote(FromModel(feature.translation)) + " instead of " +
                        Quote(translation) +
                        ", so it does not find the driver's item of that name and marks none of "
                        "its options.");
            }
        }
    }

    // A block that meets the next "*OpenUI", or the end, before "*CloseUI":
    // the plug-in reads on to the next "*CloseUI" wherever it is.
    void FindUnclosedBlocks() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (lines_[i].keyword != "*OpenUI" || lines_[i].nLine >= StopLine()) {
                continue;
            }
            std::size_t j = i + 1;
            while (j < lines_.size() && lines_[j].keyword != "*CloseUI" &&
                   lines_[j].keyword != "*OpenUI") {
                ++j;
            }
            if (j < lines_.size() && lines_[j].keyword == "*CloseUI") {
                continue;
            }
            std::string message =
                "the block of feature " + Quote(FromFile(lines_[i].option)) + " has no *CloseUI";
            std::size_t close = j;
            while (close < lines_.size() && lines_[close].keyword != "*CloseUI") {
                ++close;
            }
            std::vector<std::string> lost;
            for (std::size_t k = j; k < close && k < lines_.size(); ++k) {
                if (IsFeatureStatement(lines_[k])) {
                    lost.push_back(Quote(FromFile(lines_[k].option)));
                    explainedLines_.insert(lines_[k].nLine);
                }
            }
            if (close < lines_.size()) {
                message += ", so the plug-in reads it on to the *CloseUI on line " +
                           std::to_string(lines_[close].nLine);
            } else {
                message += ", so the plug-in takes the rest of the file as part of the block";
            }
            if (!lost.empty()) {
                message += " and loses feature";
                message += lost.size() > 1 ? "s " : " ";
                for (std::size_t k = 0; k < lost.size(); ++k) {
                    message += (k == 0 ? "" : ", ") + lost[k];
                }
            }
            Add(lines_[i].nLine, "unclosed-block", message + ".");
        }
    }

    // Reading that stops before the end of the file.
    void FindEarlyEnd() {
        const PpdReadReport& report = reading_.report;
        if (!report.StoppedEarly()) {
            return;
        }
        std::size_t features = 0;
        std::size_t constraints = 0;
        for (const PpdLineStatement& s : lines_) {
            if (s.nLine > report.nLine) {
                features += IsFeatureStatement(s);
                constraints += s.keyword == "*UIConstraints";
            }
        }
        const std::string lost = features + constraints == 0
                                     ? "nothing after it is lost"
                                     : Plural(features, "feature") + " and " +
                                           Plural(constraints, "constraint") + " after it are lost";
        const PpdFeature* last = model_.GetPpdFeature(model_.GetFeatureCount() - 1);
        const std::string block =
            report.statementCode == kPpdOpenUI && last != nullptr
                ? "the block of feature " + Quote(FromModel(last->keyword))
                : "the " + ToUtf8(PpdKeywordTable[report.statementCode].wszKeyword) + " statement";
        if (report.stop == PpdReadStop::kSecondQuery) {
            Add(report.nLine, "second-query",
                "a second query statement in " + block +
                    " stops the plug-in's reading here: " + lost + ".");
        } else if (report.stop == PpdReadStop::kOutOfMemory) {
            Add(reading_.report.nStatementLine, "early-end",
                "the plug-in runs out of memory in " + block + " and stops reading: " + lost + ".");
        } else {
            Add(reading_.report.nStatementLine, "early-end",
                "the input ends inside " + block + ", so the plug-in stops reading: " + lost + ".");
        }
    }

    // "*OpenUI" statements that the plug-in never turned into a feature, for
    // no reason already given.
    void FindLostFeatures() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const PpdLineStatement& s = lines_[i];
            if (s.keyword == "*JCLOpenUI" && s.nLine < StopLine()) {
                Add(s.nLine, "jcl-feature",
                    "the plug-in reads only *OpenUI blocks, so feature " +
                        Quote(FromFile(s.option)) +
                        ", declared with *JCLOpenUI, is not in its model and its item gets no "
                        "marks.");
                continue;
            }
            if (s.keyword != "*OpenUI" || s.nLine > StopLine() ||
                readOpenUIs_.count(static_cast<int>(i)) != 0 ||
                explainedLines_.count(s.nLine) != 0) {
                continue;
            }
            Add(s.nLine, "lost-feature",
                "the plug-in takes the *OpenUI keyword of feature " + Quote(FromFile(s.option)) +
                    " as a token of the statement before it, so the feature is not in its model "
                    "and "
                    "its item gets no marks.");
        }
    }

    // Constraints that name a feature or option the file does not define.
    void FindUndefinedNames() {
        for (const PpdLineStatement& s : lines_) {
            if (s.keyword != "*UIConstraints") {
                continue;
            }
            const std::vector<std::string> tokens = SplitValueTokens(s.value);
            for (std::size_t t = 0; t < tokens.size(); ++t) {
                if (tokens[t].empty() || tokens[t][0] != '*') {
                    continue;
                }
                const std::string& feature = tokens[t];
                if (definedFeatures_.count(feature) == 0) {
                    Add(s.nLine, "undefined-feature",
                        "the constraint names feature " + Quote(FromFile(feature)) +
                            ", which the file does not define, so it can never rule anything out.");
                    continue;
                }
                if (t + 1 < tokens.size() && tokens[t + 1][0] != '*' &&
                    definedOptions_[feature].count(tokens[t + 1]) == 0) {
                    Add(s.nLine, "undefined-option",
                        "the constraint names option " + Quote(FromFile(tokens[t + 1])) + " of " +
                            Quote(FromFile(feature)) +
                            ", which the file does not define, so it can never rule anything out.");
                }
            }
        }
    }

    // Options of one feature with the same translation: the plug-in marks
    // the driver's choice of that name by the first of them.
    void FindSameTranslations() {
        for (std::int32_t f = 0; f < model_.GetFeatureCount(); ++f) {
            const PpdFeature& feature = *model_.GetPpdFeature(f);
            const std::int64_t line =
                featureStatements_[f] >= 0 ? lines_[featureStatements_[f]].nLine : 0;
            for (std::int32_t b = 1; b < feature.GetOptionCount(); ++b) {
                const PpdOption& later = *feature.GetPpdOption(b);
                for (std::int32_t a = 0; a < b; ++a) {
                    const PpdOption& first = *feature.GetPpdOption(a);
                    if (!first.translation.Equals(later.translation)) {
                        continue;
                    }
                    if (!first.keyword.Equals(later.keyword)) {
                        Add(line, "same-translation",
                            "options " + Quote(FromModel(first.keyword)) + " and " +
                                Quote(FromModel(later.keyword)) + " of " +
                                Quote(FromModel(feature.keyword)) + " both read " +
                                Quote(FromModel(first.translation)) +
                                ", so the plug-in shows the mark of " +
                                Quote(FromModel(first.keyword)) + " for both and option " +
                                Quote(FromModel(later.keyword)) + " is never marked on its own.");
                    }
                    break;
                }
            }
        }
    }

    // The features the plug-in looks after that it does not find.
    void FindMissingFeatures() {
        for (const char16_t* keyword : kLookedAfterFeatureKeywords) {
            if (model_.FindFeatureByKeyword(keyword) >= 0) {
                continue;
            }
            const std::u16string text(keyword);
            bool bInFile = false;
            for (const PpdLineStatement& s : lines_) {
                bInFile = bInFile || (IsFeatureStatement(s) && FromFile(s.option) == text);
            }
            Add(0, "missing-feature",
                "the plug-in looks after feature " + Quote(text) +
                    (bInFile ? ", which it does not read from this file"
                             : ", which this file does not have") +
                    ", so it marks nothing on that item.");
        }
    }

    // No group "InstallableOptions" as the plug-in needs it.
    void FindInstallableGroup() {
        bool bInstallables = false;
        for (std::int32_t f = 0; f < model_.GetFeatureCount(); ++f) {
            bInstallables = bInstallables || model_.GetPpdFeature(f)->IsInstallable();
        }
        bool bGroup = false;
        for (const PpdLineStatement& s : lines_) {
            if (s.keyword != "*OpenGroup") {
                continue;
            }
            std::string name = s.value.substr(0, s.value.find('/'));
            while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) {
                name.pop_back();
            }
            std::string lower = name;
            std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
                return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
            });
            if (lower != "installableoptions") {
                continue;
            }
            bGroup = true;
            if (name != "InstallableOptions") {
                Add(s.nLine, "installable-group",
                    "the group " + Quote(FromFile(name)) +
                        " is spelt in another case than \"InstallableOptions\", so the plug-in "
                        "takes "
                        "none of its features as installed hardware and their settings mark "
                        "nothing.");
            } else if (!bInstallables) {
                Add(s.nLine, "installable-group",
                    "the plug-in takes none of the features of group \"InstallableOptions\" as "
                    "installed "
                    "hardware (it keeps the group's name with blanks, or their blocks do not end), "
                    "so "
                    "their settings mark nothing.");
            }
        }
        if (!bGroup) {
            Add(0, "installable-group",
                "the file has no group \"InstallableOptions\", so the plug-in takes no feature as "
                "installed hardware and marks nothing.");
        }
    }

    const std::vector<PpdLineStatement> lines_;
    const PluginReading reading_;
    const PpdModel& model_;
    std::set<std::string> definedFeatures_;
    std::map<std::string, std::set<std::string>> definedOptions_;
    std::vector<int> featureStatements_;  // per model feature, -1 when none
    std::set<int> readOpenUIs_;
    std::set<std::int64_t> explainedLines_;
    std::map<std::int64_t, std::int32_t> constraintOfLine_;  // the first one read on each line
    std::vector<LintFinding> findings_;
};

}  // namespace

std::vector<LintFinding> LintPpd(const std::vector<unsigned char>& bytes) {
    return Lint(bytes).Run();
}

}  // namespace marlow

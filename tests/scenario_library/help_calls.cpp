#include "tests/scenario_library/help_calls.h"

#include <algorithm>
#include <cctype>

namespace scenario {

namespace {

// Windows compares file names without regard to case.
bool SameFile(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

std::string Describe(const std::vector<HelpCall>& calls, const std::string& helpFile) {
    if (calls.empty())
        return "help none";
    std::string text = "help";
    for (const HelpCall& call : calls) {
        text += ' ' + std::to_string(call.contextId);
        if (!SameFile(call.file, helpFile))
            text += " in " + QuoteWord(call.file);
    }
    return text;
}

}  // namespace

std::optional<Mismatch> CheckHelpCalls(const Statement& statement,
                                       const std::vector<HelpCall>& calls,
                                       const std::string& helpFile) {
    if (statement.verb != "expect" || statement.words[0] != "help")
        return std::nullopt;
    std::vector<HelpCall> expected;
    for (std::size_t i = 1; i < statement.words.size() && statement.words[1] != "none"; ++i)
        expected.push_back({helpFile, std::stoi(statement.words[i])});
    const std::string wanted = Describe(expected, helpFile);
    const std::string found = Describe(calls, helpFile);
    if (wanted == found)
        return std::nullopt;
    return Mismatch{wanted + " (in " + QuoteWord(helpFile) + ")", found};
}

}  // namespace scenario

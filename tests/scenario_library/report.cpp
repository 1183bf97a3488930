#include "tests/scenario_library/report.h"

namespace scenario {

std::string FormatStatement(const Statement& statement) {
    std::string text = statement.verb;
    for (const std::string& word : statement.words) {
        text += ' ';
        text += QuoteWord(word);
    }
    return text;
}

void Report::Start(const std::string& path) {
    out_ << "== " << path << "\n" << std::flush;
}

void Report::Step(const Statement& statement) {
    out_ << "  " << statement.line << ": " << FormatStatement(statement) << "\n" << std::flush;
}

void Report::Output(const std::string& text) {
    out_ << text << std::flush;
}

void Report::Failure(const std::string& path, int line, const std::string& statement,
                     const Mismatch& mismatch, const std::vector<WindowState>& windows) {
    ++failed_;
    out_ << "FAIL " << path << ":" << line << ": " << statement << "\n"
         << "  expected: " << mismatch.expected << "\n"
         << "  found:    " << mismatch.found << "\n"
         << "  open windows:\n"
         << DescribeWindows(windows) << std::flush;
}

void Report::ParseFailure(const std::string& path, const ParseError& error) {
    ++unreadable_;
    out_ << "ERROR " << path << ":" << error.line() << ": " << error.what() << "\n" << std::flush;
}

void Report::Passed(const std::string& path) {
    ++passed_;
    out_ << "PASS " << path << "\n" << std::flush;
}

int Report::Finish() {
    out_ << passed_ << " passed, " << failed_ << " failed, " << unreadable_ << " unreadable\n"
         << std::flush;
    if (unreadable_ > 0)
        return 2;
    return failed_ > 0 ? 1 : 0;
}

}  // namespace scenario

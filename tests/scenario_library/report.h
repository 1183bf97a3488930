#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tests/scenario_library/scenario.h"
#include "tests/scenario_library/window_state.h"

namespace scenario {

// A statement as it would be written in a scenario: its verb and words, quoted where needed.
std::string FormatStatement(const Statement& statement);

// What both runners print: one line per matched step, a failure report with every open window,
// a verdict per file and a summary; Finish gives the exit code.
class Report {
  public:
    explicit Report(std::ostream& out) : out_(out) {}

    void Start(const std::string& path);
    void Step(const Statement& statement);
    // Output of dump statements, printed as it is.
    void Output(const std::string& text);
    void Failure(const std::string& path, int line, const std::string& statement,
                 const Mismatch& mismatch, const std::vector<WindowState>& windows);
    void ParseFailure(const std::string& path, const ParseError& error);
    void Passed(const std::string& path);
    // 0 when every file passed, 2 when a file could not be read or parsed, else 1.
    int Finish();

  private:
    std::ostream& out_;
    int passed_ = 0;
    int failed_ = 0;
    int unreadable_ = 0;
};

}  // namespace scenario

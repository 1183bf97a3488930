#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tests/providers/memory/memory_book.h"
#include "tests/providers/memory/memory_connection.h"
#include "tests/scenario_library/scenario.h"

// The book of a scenario's setup statements, behind the in-memory connection.
class MemoryBookFixture {
  protected:
    void MakeBook(std::string_view setupStatements) {
        connection_.reset();
        scenario_ = scenario::ParseScenarioText(std::string(setupStatements) + "\nrun\n", "test");
        book_.emplace(scenario_.setup);
        connection_.emplace(*book_);
    }

    scenario::Scenario scenario_;
    std::optional<providers::MemoryBook> book_;
    std::optional<providers::MemoryConnection> connection_;
};

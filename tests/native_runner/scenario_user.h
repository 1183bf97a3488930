#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/scenario_library/report.h"
#include "tests/scenario_library/scenario.h"
#include "tests/scenario_library/window_state.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/headless_user.h"

namespace scenario {

// A statement that did not hold, with the state of every open window at that moment.
struct ScenarioFailure {
    int line = 0;
    std::string statement;
    Mismatch mismatch;
    std::vector<WindowState> windows;
};

// Plays the user of a scenario on the in-memory screen: every window the tool shows consumes the
// next statements, in order, and a statement that does not hold throws ScenarioFailure.
class ScenarioUser : public ui::headless::HeadlessUser {
  public:
    ScenarioUser(const Scenario& scenario, std::string dir, Report& report);
    void Attach(ui::headless::HeadlessBackend& backend, ui::headless::HeadlessPlatform& platform);

    void OnDialog(ui::headless::HeadlessBackend& backend, ui::WindowHandle dialog) override;
    ui::MessageAnswer OnMessage(const ui::headless::MessageRequest& request) override;
    std::optional<std::string> OnFileOpen(const ui::FileOpenRequest& request) override;

    // The statements left once the tool has ended.
    std::size_t NextStatement() const { return next_; }
    [[noreturn]] void Fail(const Statement* statement, std::string expected,
                           std::string found) const;

  private:
    const Statement& TakeWindowStep(const std::string& verb, const std::string& found);
    void Act(const Statement& statement, ui::WindowHandle dialog);
    void CheckHostDisabled(const Statement& statement) const;
    // A message box or the file dialog belongs to the innermost open dialog, else to the host.
    void CheckOwner(const Statement& statement, ui::WindowHandle owner) const;
    std::string OwnerName(ui::WindowHandle owner) const;
    std::string Word(const Statement& statement, std::size_t index) const;
    Statement Resolved(const Statement& statement) const;
    // The items the statement names from its second word on, as the Windows runner finds them.
    std::vector<int> NamedItems(const Statement& statement,
                                const ui::headless::ControlState& control) const;

    const Scenario& scenario_;
    std::string dir_;
    Report& report_;
    ui::headless::HeadlessBackend* backend_ = nullptr;
    ui::headless::HeadlessPlatform* platform_ = nullptr;
    std::size_t next_ = 0;
};

// What the native runner reads of a headless window.
WindowState SnapshotWindow(const ui::headless::HeadlessWindow& window);

}  // namespace scenario

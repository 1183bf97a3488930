// Runs scenario files against the tool's own run on the in-memory UI backend.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "app/import_run.h"
#include "app/product_source_readers.h"
#include "tests/native_runner/scenario_user.h"
#include "tests/providers/memory/memory_connection.h"
#include "tests/scenario_library/help_calls.h"
#include "tests/scenario_library/report.h"
#include "tests/scenario_library/scenario.h"
#include "tests/scenario_library/setup_files.h"
#include "tests/scenario_library/window_state.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"

using namespace recipients;
using namespace app;

namespace {

using namespace scenario;
namespace fs = std::filesystem;

// A fresh directory of the scenario's own, removed when the scenario is done.
class ScenarioDirectory {
  public:
    ScenarioDirectory() {
        std::string pattern = (fs::temp_directory_path() / "scenario-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scenario directory");
        }
        path_ = pattern;
    }
    ~ScenarioDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScenarioDirectory(const ScenarioDirectory&) = delete;
    ScenarioDirectory& operator=(const ScenarioDirectory&) = delete;
    std::string WithSeparator() const { return path_.string() + '/'; }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

void SetUpMachine(const Setup& setup, const std::string& dir,
                  ui::headless::HeadlessPlatform& platform) {
    if (!WriteSetupFiles(setup, dir)) {
        throw std::runtime_error("cannot write the scenario's files");
    }
    platform.SetCodePage(setup.codePage);
    platform.SetHost(setup.host != HostKind::None, setup.host == HostKind::Limit);
    platform.SetCommandLine(ToolArguments(setup, dir));
    for (const std::string& held : setup.heldFiles) {
        platform.HoldOpenForWriting(PathInDir(held, dir));
    }
    for (const MomentaryHold& held : setup.momentaryHolds) {
        platform.HoldForAMoment(PathInDir(held.name, dir), held.milliseconds);
    }
    platform.SetProfileInt("Mail", "MAPIX", MapiConfigured(setup.mapi) ? 1 : 0);
    if (setup.wabPresent) {
        platform.AddLoadableLibrary("WAB32.DLL");
    }
    // Without its help file the tool runs from {dir}tool\, as on the Windows runner.
    if (!setup.helpFileInstalled) {
        platform.SetModulePath(dir + "tool\\faximport.exe");
        platform.RemoveHelpFiles();
    }
}

std::vector<HelpCall> HelpCallsOf(const ui::headless::HeadlessPlatform& platform) {
    std::vector<HelpCall> calls;
    for (const auto& request : platform.HelpRequests()) {
        calls.push_back({request.file, request.contextId});
    }
    return calls;
}

void CheckHostAtEnd(const Setup& setup, const ui::headless::HeadlessPlatform& platform,
                    const ScenarioUser& user) {
    if (setup.host == HostKind::None || platform.HostClosed()) {
        return;
    }
    if (!platform.HostEnabled()) {
        user.Fail(nullptr, "the host window enabled when the tool has ended", "it was disabled");
    }
    if (!platform.HostInForeground()) {
        user.Fail(nullptr, "the host window in the foreground when the tool has ended",
                  "another window was");
    }
}

HostLog HostLogOf(const Setup& setup, const ui::headless::HeadlessPlatform& platform) {
    HostLog log;
    log.hadHost = setup.host != HostKind::None;
    for (const auto& posted : platform.PostedCommands()) {
        log.commands.push_back({posted.id, 0, posted.hostWasEnabled});
    }
    return log;
}

void CheckAfterRunStatements(const Scenario& scenario, const std::string& dir,
                             ui::headless::HeadlessPlatform& platform, ScenarioUser& user,
                             const std::optional<std::string>& original, Report& report) {
    const std::string resultPath = ResultPath(scenario.setup, dir);
    const std::optional<std::string> result =
        resultPath.empty() ? std::nullopt : ReadFileBytes(resultPath);
    const HostLog host = HostLogOf(scenario.setup, platform);
    for (std::size_t i = user.NextStatement(); i < scenario.steps.size(); ++i) {
        const Statement& statement = scenario.steps[i];
        if (!IsAfterRunStatement(statement)) {
            user.Fail(&statement, FormatStatement(statement), "the tool has ended");
        }
        if (statement.verb == "dump") {
            report.Output(DumpResult(result));
        } else if (const auto mismatch = CheckSetupFile(statement, scenario.setup, dir)) {
            user.Fail(&statement, mismatch->expected, mismatch->found);
        } else if (const auto mismatch =
                       CheckHelpCalls(statement, HelpCallsOf(platform),
                                      HelpFilePathBeside(platform.ModulePath()))) {
            user.Fail(&statement, mismatch->expected, mismatch->found);
        } else if (const auto mismatch = CheckAfterRun(statement, host, result, original)) {
            user.Fail(&statement, mismatch->expected, mismatch->found);
        }
        report.Step(statement);
    }
}

// The tool runs in the scenario's directory, as the Windows runner starts it.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const fs::path& path) : previous_(fs::current_path()) {
        fs::current_path(path);
    }
    ~WorkingDirectory() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  private:
    fs::path previous_;
};

// True when every statement held.
bool RunScenario(const Scenario& scenario, Report& report) {
    ScenarioDirectory directory;
    const std::string dir = directory.WithSeparator();
    ScenarioUser user(scenario, dir, report);
    ui::headless::HeadlessBackend backend(user);
    ui::headless::HeadlessPlatform platform(user);
    user.Attach(backend, platform);
    platform.AttachBackend(backend);
    try {
        SetUpMachine(scenario.setup, dir, platform);
        const std::string resultPath = ResultPath(scenario.setup, dir);
        const std::optional<std::string> original =
            resultPath.empty() ? std::nullopt : ReadFileBytes(resultPath);

        const providers::MemoryBook book(scenario.setup);
        providers::MemoryConnection connection(book);
        ImportContext context(backend, platform);
        {
            const WorkingDirectory inScenarioDirectory(directory.path());
            ProductSourceReaders sources(context, connection);
            ImportRun(context, sources);
        }
        if (const std::string left = connection.Leftovers(); !left.empty()) {
            user.Fail(nullptr, "every address-book buffer and object given back", left);
        }

        CheckHostAtEnd(scenario.setup, platform, user);
        CheckAfterRunStatements(scenario, dir, platform, user, original, report);
        return true;
    } catch (const ScenarioFailure& failure) {
        report.Failure(scenario.path, failure.line, failure.statement, failure.mismatch,
                       failure.windows);
    } catch (const std::exception& error) {
        report.Failure(scenario.path, 0, "run", {"the run to end", error.what()}, {});
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    Report report(std::cout);
    for (int i = 1; i < argc; ++i) {
        Scenario scenario;
        try {
            scenario = ParseScenarioFile(argv[i]);
        } catch (const ParseError& error) {
            report.ParseFailure(argv[i], error);
            continue;
        }
        report.Start(scenario.path);
        if (RunScenario(scenario, report)) {
            report.Passed(scenario.path);
        }
    }
    return report.Finish();
}

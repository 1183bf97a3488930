// Runs scenario files against the tool's own run on the in-memory UI backend.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

#include "app/import_run.h"
#include "app/product_source_readers.h"
#include "tests/scenario/native/scenario_user.h"
#include "tests/scenario/scenario.h"
#include "tests/scenario/window_state.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_platform.h"

namespace {

using namespace scenario;
namespace fs = std::filesystem;

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

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

  private:
    fs::path path_;
};

void SetUpMachine(const Setup& setup, const std::string& dir,
                  ui::headless::HeadlessPlatform& platform) {
    for (const FileSetup& file : setup.files) {
        std::ofstream out(dir + ReplaceDir(file.name, dir), std::ios::binary);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    }
    platform.SetHost(setup.host != HostKind::None, setup.host == HostKind::Limit);
    platform.SetCommandLine(ReplaceDir(setup.args, dir));
    const bool mapiProfile =
        setup.mapi == MapiInstall::Configured || setup.mapi == MapiInstall::Unloadable;
    platform.SetProfileInt("Mail", "MAPIX", mapiProfile ? 1 : 0);
    if (setup.wabPresent) {
        platform.AddLoadableLibrary("WAB32.DLL");
    }
}

void CheckHostAtEnd(const Setup& setup, const ui::headless::HeadlessPlatform& platform,
                    const ScenarioUser& user) {
    if (setup.host == HostKind::None) {
        return;
    }
    if (!platform.HostEnabled()) {
        user.Fail(0, "the host window enabled when the tool has ended", "it was disabled");
    }
    if (!platform.HostInForeground()) {
        user.Fail(0, "the host window in the foreground when the tool has ended",
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
                             const ui::headless::HeadlessPlatform& platform, ScenarioUser& user,
                             const std::optional<std::string>& original) {
    const std::string resultPath = ResultPathFromArguments(ReplaceDir(scenario.setup.args, dir));
    const std::optional<std::string> result =
        resultPath.empty() ? std::nullopt : ReadWholeFile(resultPath);
    const HostLog host = HostLogOf(scenario.setup, platform);
    for (std::size_t i = user.NextStatement(); i < scenario.steps.size(); ++i) {
        const Statement& statement = scenario.steps[i];
        if (!IsAfterRunStatement(statement)) {
            user.Fail(statement.line, QuoteWord(statement.verb) + " on an open window",
                      "the tool has ended");
        }
        if (statement.verb == "dump") {
            std::cout << DumpResult(result);
        } else if (const auto mismatch = CheckAfterRun(statement, host, result, original)) {
            user.Fail(statement.line, mismatch->expected, mismatch->found);
        }
        std::cout << "  " << statement.line << ": " << statement.verb << " ok\n";
    }
}

// True when every statement held.
bool RunScenario(const Scenario& scenario) {
    ScenarioDirectory directory;
    const std::string dir = directory.WithSeparator();
    ScenarioUser user(scenario, dir, scenario.setup.host != HostKind::None);
    ui::headless::HeadlessBackend backend(user);
    ui::headless::HeadlessPlatform platform(user);
    user.Attach(backend, platform);
    try {
        SetUpMachine(scenario.setup, dir, platform);
        const std::string resultPath =
            ResultPathFromArguments(ReplaceDir(scenario.setup.args, dir));
        const std::optional<std::string> original =
            resultPath.empty() ? std::nullopt : ReadWholeFile(resultPath);

        ImportContext context(backend, platform);
        ProductSourceReaders sources(context);
        ImportRun(context, sources);

        CheckHostAtEnd(scenario.setup, platform, user);
        CheckAfterRunStatements(scenario, dir, platform, user, original);
        return true;
    } catch (const ScenarioFailure& failure) {
        std::cout << "FAIL " << scenario.path << ':' << failure.line << '\n'
                  << "  expected: " << failure.expected << '\n'
                  << "  found:    " << failure.found << '\n'
                  << failure.windows;
        return false;
    } catch (const std::exception& error) {
        std::cout << "FAIL " << scenario.path << "\n  the run stopped: " << error.what() << '\n';
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    int passed = 0;
    int failed = 0;
    bool unreadable = false;
    for (int i = 1; i < argc; ++i) {
        Scenario scenario;
        try {
            scenario = ParseScenarioFile(argv[i]);
        } catch (const ParseError& error) {
            std::cout << "ERROR " << argv[i] << ':' << error.line() << ": " << error.what() << '\n';
            unreadable = true;
            continue;
        }
        std::cout << scenario.path << '\n';
        if (RunScenario(scenario)) {
            ++passed;
            std::cout << "PASS " << scenario.path << '\n';
        } else {
            ++failed;
        }
    }
    std::cout << "scenarios: " << passed << " passed, " << failed << " failed\n";
    return unreadable ? 2 : (failed > 0 ? 1 : 0);
}

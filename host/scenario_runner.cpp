#include "host/scenario_runner.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <set>

#include "app/program_names.h"
#include "host/ansi_text.h"
#include "host/held_files.h"
#include "host/host_window.h"
#include "host/machine_setup.h"
#include "host/message_icon.h"
#include "host/screenshot.h"
#include "host/tool_messages.h"
#include "host/tool_process.h"
#include "host/tool_windows.h"
#include "host/user_actions.h"
#include "host/work_directory.h"
#include "tests/help_recorder/help_recorder_install.h"
#include "tests/providers/install/provider_install.h"
#include "tests/scenario_library/report.h"
#include "tests/scenario_library/setup_files.h"

namespace host {

namespace {

using scenario::Mismatch;
using scenario::QuoteWord;
using scenario::Statement;

constexpr DWORD kWindowTimeout = 20000;
constexpr DWORD kPollInterval = 10;

int AnswerId(const std::string& answer) {
    if (answer == "yes")
        return IDYES;
    if (answer == "no")
        return IDNO;
    if (answer == "cancel")
        return IDCANCEL;
    return IDOK;
}

int ProgramBits(const std::string& path) {
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    return lstrcmpiA(name.c_str(), app::k32BitProgram) == 0 ? 32 : 64;
}

// Leaves no window in the foreground: at first Wine has the desktop there, and when a window
// of ours that was in the foreground goes, nothing takes its place.
void ClearForeground() {
    if (GetForegroundWindow() == nullptr)
        return;
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window);
    DestroyWindow(window);
    Pump(10);
}

class ScenarioRun {
  public:
    ScenarioRun(const scenario::Scenario& scenario, const RunnerOptions& options,
                scenario::Report& report)
        : scenario_(scenario), options_(options), report_(report) {}

    bool Run() {
        // scripts/scenario starts the runner in a locale of the scenario's code page.
        if (GetACP() != scenario_.setup.codePage) {
            report_.Failure(
                scenario_.path, 0, "codepage",
                {"the system's ANSI code page " + std::to_string(scenario_.setup.codePage),
                 "code page " + std::to_string(GetACP())},
                {});
            return false;
        }
        if (!Prepare() || !Start())
            return false;
        size_t next = 0;
        for (; next < scenario_.steps.size(); ++next) {
            const Statement& step = scenario_.steps[next];
            if (scenario::IsAfterRunStatement(step))
                break;
            lastLine_ = step.line;
            const bool held = scenario::IsWindowStep(step) ? WindowStep(Resolved(step))
                                                           : DialogStatement(Resolved(step));
            if (!held)
                return false;
        }
        if (!AwaitEnd() || !CheckHostAtEnd())
            return false;
        if (const std::string left = providers::ReadProviderLedgers(directory_.path());
            !left.empty()) {
            return Fail(lastLine_, "the end of the run",
                        {"every address-book buffer and object given back", left});
        }
        for (; next < scenario_.steps.size(); ++next) {
            if (!AfterRun(Resolved(scenario_.steps[next])))
                return false;
        }
        return true;
    }

  private:
    Statement Resolved(const Statement& statement) const {
        Statement resolved = statement;
        for (std::string& word : resolved.words)
            word = scenario::ReplaceDir(word, directory_.path());
        return resolved;
    }

    bool Fail(int line, const std::string& statement, const Mismatch& mismatch) {
        std::vector<scenario::WindowState> windows;
        if (!tool_.HasEnded())
            windows = ReadAllWindows(tool_.ProcessIds());
        report_.Failure(scenario_.path, line, statement, mismatch, windows);
        tool_.Kill();
        return false;
    }
    bool Fail(const Statement& statement, const Mismatch& mismatch) {
        return Fail(statement.line, scenario::FormatStatement(statement), mismatch);
    }

    bool Prepare() {
        const scenario::Setup& setup = scenario_.setup;
        directory_.Create(options_.keepDirs);
        if (!directory_.ok()) {
            return Fail(scenario_.runLine, "run", {"a fresh working directory", directory_.path()});
        }
        if (!scenario::WriteSetupFiles(setup, directory_.path())) {
            return Fail(scenario_.runLine, "run", {"the setup's files written", "a write failed"});
        }
        for (const std::string& held : setup.heldFiles) {
            if (!held_.Hold(scenario::PathInDir(held, directory_.path()))) {
                return Fail(
                    scenario_.runLine, "run",
                    {"hold " + QuoteWord(held) + " open for writing", "it cannot be opened"});
            }
        }
        for (const scenario::MomentaryHold& held : setup.momentaryHolds) {
            if (!held_.HoldForAMoment(scenario::PathInDir(held.name, directory_.path()),
                                      directory_.path(), static_cast<DWORD>(held.milliseconds))) {
                return Fail(
                    scenario_.runLine, "run",
                    {"hold " + QuoteWord(held.name) + " open for a moment", "it cannot be opened"});
            }
        }
        resultPath_ = scenario::ResultPath(setup, directory_.path());
        if (!resultPath_.empty())
            original_ = scenario::ReadFileBytes(resultPath_);
        std::string problems = ChooseTool();
        providers::RegisteredLibraries registered;
        problems += providers::InstallTestProviders(setup, {options_.testLibraries32}, toolBits_,
                                                    scenario_.path, directory_.path(), registered);
        problems += ApplyMachineSetup(setup, registered);
        problems += help_recorder::InstallHelpRecorder(HelpLedger(), {options_.testLibraries32});
        problems += PlaceTool();
        if (!problems.empty())
            return Fail(scenario_.runLine, "run", {"the machine set up", problems});
        if (setup.host != scenario::HostKind::None) {
            host_ = std::make_unique<HostWindow>(setup.host == scenario::HostKind::Limit, nullptr);
            host_->SetResultPath(resultPath_);
            SetForegroundWindow(host_->handle());
            Pump(20);
        }
        if (!host_)
            ClearForeground();
        const HWND foreground = GetForegroundWindow();
        const HWND wanted = host_ ? host_->handle() : nullptr;
        if (foreground != wanted) {
            return Fail(
                scenario_.runLine, "run",
                {host_ ? "the host window in the foreground" : "no window in the foreground",
                 "the foreground window " + QuoteWord(WindowText(foreground))});
        }
        return true;
    }

    // The tool as given, beside its twin; without the twin, the build of the other bitness than
    // the messaging system's, alone in a folder of the scenario's directory.
    std::string ChooseTool() {
        toolPath_ = options_.tool;
        toolBits_ = ProgramBits(toolPath_);
        if (!scenario_.setup.twinAbsent)
            return {};
        toolBits_ = scenario_.setup.mapiBits == 32 ? 64 : 32;
        const char* name = toolBits_ == 32 ? app::k32BitProgram : app::k64BitProgram;
        const std::string folder = directory_.path() + "alone";
        toolPath_ = folder + "\\" + name;
        const std::string from =
            options_.tool.substr(0, options_.tool.find_last_of('\\') + 1) + name;
        if (!CreateDirectoryA(folder.c_str(), nullptr) ||
            !CopyFileA(from.c_str(), toolPath_.c_str(), TRUE)) {
            return "cannot put " + from + " alone into " + folder + "; ";
        }
        return {};
    }

    std::string HelpLedger() const { return directory_.path() + "help.ledger"; }

    // Without a help file the tool runs from a copy of its own in {dir}tool\.
    std::string PlaceTool() {
        if (scenario_.setup.helpFileInstalled)
            return {};
        const std::string folder = directory_.path() + "tool";
        const std::string from = toolPath_;
        toolPath_ = folder + from.substr(from.find_last_of('\\'));
        if (!CreateDirectoryA(folder.c_str(), nullptr) ||
            !CopyFileA(from.c_str(), toolPath_.c_str(), TRUE)) {
            return "cannot copy the tool to " + toolPath_ + "; ";
        }
        return {};
    }

    std::string HelpFileBesideTool() const {
        return toolPath_.substr(0, toolPath_.find_last_of('\\') + 1) + "faximport.chm";
    }

    bool Start() {
        std::string problem;
        if (!tool_.Start(toolPath_, scenario::ReplaceDir(scenario_.setup.args, directory_.path()),
                         directory_.path(), problem)) {
            return Fail(scenario_.runLine, "run", {"the tool started", problem});
        }
        return true;
    }

    // A visible window of the tool that no step has matched yet; the progress notice is none.
    HWND NewWindow() {
        for (auto it = matched_.begin(); it != matched_.end();) {
            it = IsWindow(*it) ? std::next(it) : matched_.erase(it);
        }
        for (HWND window : VisibleWindowsOf(tool_.ProcessIds())) {
            if (matched_.count(window))
                continue;
            const WindowKind kind = Classify(window);
            if (kind != WindowKind::ProgressNotice && kind != WindowKind::Other)
                return window;
        }
        return nullptr;
    }

    // A new window that is still there once the tool has settled: the progress notice can be
    // caught between being shown and being destroyed, when it no longer looks like itself.
    HWND WaitForNewWindow() {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kWindowTimeout) {
            if (HWND window = NewWindow()) {
                Settle(window);
                if (IsWindow(window) && IsWindowVisible(window) && NewWindow() == window)
                    return window;
                continue;
            }
            if (tool_.HasEnded())
                return nullptr;
            Pump(kPollInterval);
        }
        return nullptr;
    }

    // Waits until an answered window has gone, or another one has come over it.
    void WaitUntilGone(HWND window) {
        const DWORD start = GetTickCount();
        while (IsWindow(window) && IsWindowVisible(window) && NewWindow() == nullptr &&
               GetTickCount() - start < kWindowTimeout) {
            Pump(kPollInterval);
        }
    }

    // The innermost dialog that is still open.
    HWND CurrentDialog() {
        while (!dialogs_.empty() &&
               !(IsWindow(dialogs_.back()) && IsWindowVisible(dialogs_.back()))) {
            dialogs_.pop_back();
        }
        return dialogs_.empty() ? nullptr : dialogs_.back();
    }

    void Shoot(HWND window, const std::string& what) {
        if (options_.shotsDir.empty())
            return;
        ++shots_;
        char number[16];
        std::snprintf(number, sizeof number, "%02d", shots_);
        SaveWindowPicture(window, options_.shotsDir + "\\" + number + "-" + what + ".bmp");
    }

    bool WindowStep(const Statement& s) {
        const HWND window = WaitForNewWindow();
        if (window == nullptr) {
            return Fail(s, {scenario::FormatStatement(s),
                            tool_.HasEnded() ? "the tool has ended"
                                             : "no new window of the tool for 20 seconds"});
        }
        matched_.insert(window);
        const std::string found = DescribeStep(window);
        if (s.verb == "dialog") {
            const std::string wanted = "dialog " + QuoteWord(s.words[0]);
            if (found != wanted)
                return Fail(s, {wanted, found});
            dialogs_.push_back(window);
        } else if (s.verb == "message") {
            const std::string wanted =
                "message " + QuoteWord(s.words[0]) + " " + QuoteWord(s.words[1]) + " " + s.words[2];
            if (found != wanted)
                return Fail(s, {wanted, found});
        } else {
            const std::string wanted = "open " + QuoteWord(s.words[0]);
            if (found != wanted)
                return Fail(s, {wanted, found});
        }
        if (host_ && host_->IsOpen() && IsWindowEnabled(host_->handle())) {
            return Fail(s, {"the host window disabled while the tool's windows are up",
                            "the host window enabled"});
        }
        if (s.verb != "dialog" && !CheckOwner(s, window))
            return false;
        if (s.verb == "open") {
            if (auto mismatch = scenario::CheckFileDialog(s, ReadFileDialog(window)))
                return Fail(s, *mismatch);
        }
        report_.Step(s);
        Shoot(window, s.verb);
        if (s.verb == "message")
            return Answer(s, window);
        if (s.verb == "open")
            return ChooseFile(s, window);
        return true;
    }

    std::string OwnerName(HWND owner) const {
        if (owner == nullptr)
            return "no window";
        if (host_ && owner == host_->handle())
            return "the host window";
        return DescribeStep(owner);
    }

    // A message box or the file dialog belongs to the innermost open dialog, else to the host.
    bool CheckOwner(const Statement& s, HWND window) {
        HWND expected = CurrentDialog();
        if (expected == nullptr && host_ && IsWindow(host_->handle()))
            expected = host_->handle();
        const HWND owner = GetWindow(window, GW_OWNER);
        if (owner != expected)
            return Fail(s, {"owned by " + OwnerName(expected), "owned by " + OwnerName(owner)});
        return true;
    }

    bool Answer(const Statement& s, HWND box) {
        const HWND button = ChildWithId(box, AnswerId(s.words[3]));
        const bool visible = button != nullptr && IsWindowVisible(button);
        if (visible) {
            Deliver(button, BM_CLICK, 0, 0);
        } else if (s.words[3] == "cancel" && ChildWithId(box, IDOK) != nullptr &&
                   ChildWithId(box, IDNO) == nullptr) {
            // Escape closes a box that has only OK.
            Deliver(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        } else {
            return Fail(s, {"a " + s.words[3] + " button", "none in the message box"});
        }
        WaitUntilGone(box);
        if (HWND below = CurrentDialog())
            Settle(below);
        return true;
    }

    bool ChooseFile(const Statement& s, HWND dialog) {
        if (s.words[1] == "cancel") {
            Deliver(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(ChildWithId(dialog, IDCANCEL)));
        } else {
            // The dialog takes no "/" in a name: a scenario's folder separator becomes "\".
            std::wstring path = ToWide(scenario::PathInDir(s.words[1], directory_.path()));
            std::replace(path.begin(), path.end(), L'/', L'\\');
            Ask(ChildWithId(dialog, kFileNameId), WM_SETTEXT, 0,
                reinterpret_cast<LPARAM>(path.c_str()));
            Deliver(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                    reinterpret_cast<LPARAM>(ChildWithId(dialog, IDOK)));
        }
        WaitUntilGone(dialog);
        return true;
    }

    bool DialogStatement(const Statement& s) {
        const HWND dialog = CurrentDialog();
        if (dialog == nullptr)
            return Fail(s, {"an open dialog", "no dialog of the tool is open"});
        Settle(dialog);
        if (HWND other = NewWindow()) {
            return Fail(s, {"dialog " + QuoteWord(WindowText(dialog)) + " on top",
                            "a new window: " + DescribeStep(other)});
        }
        if (s.verb.rfind("see", 0) == 0) {
            if (auto mismatch = scenario::CheckExpectation(s, ReadForStatement(dialog, s))) {
                return Fail(s, *mismatch);
            }
            report_.Step(s);
            return true;
        }
        if (s.verb == "close-host") {
            if (!host_ || !host_->IsOpen())
                return Fail(s, {"a host window to close", "none"});
            host_->Close();
            report_.Step(s);
            return true;
        }
        report_.Step(s);
        std::string dumped;
        if (auto problem = PerformAction(dialog, s, dumped))
            return Fail(s, *problem);
        report_.Output(dumped);
        Settle(dialog);
        return true;
    }

    bool AwaitEnd() {
        const std::string what = "the end of the run";
        if (HWND open = CurrentDialog()) {
            Settle(open);
            if (IsWindow(open) && IsWindowVisible(open)) {
                return Fail(lastLine_, what,
                            {"the tool to end", DescribeStep(open) + " still open"});
            }
        }
        const DWORD start = GetTickCount();
        while (!tool_.HasEnded()) {
            if (HWND window = NewWindow())
                return Fail(lastLine_, what, {"the tool to end", DescribeStep(window)});
            if (GetTickCount() - start >= kWindowTimeout) {
                return Fail(lastLine_, what, {"the tool to end", "still running after 20 seconds"});
            }
            tool_.WaitForEnd(kPollInterval);
        }
        Pump(20);
        return true;
    }

    bool CheckHostAtEnd() {
        if (!host_ || !host_->IsOpen())
            return true;
        const std::string what = "the end of the run";
        if (!IsWindowEnabled(host_->handle())) {
            return Fail(lastLine_, what,
                        {"the host window enabled again", "the host window disabled"});
        }
        const HWND foreground = GetForegroundWindow();
        if (foreground != host_->handle()) {
            return Fail(lastLine_, what,
                        {"the host window in the foreground",
                         "the foreground window " + QuoteWord(WindowText(foreground))});
        }
        Shoot(host_->handle(), "host");
        return true;
    }

    bool AfterRun(const Statement& s) {
        const std::optional<std::string> result =
            resultPath_.empty() ? std::nullopt : scenario::ReadFileBytes(resultPath_);
        report_.Step(s);
        if (s.verb == "dump") {
            report_.Output(scenario::DumpResult(result));
            return true;
        }
        scenario::HostLog log;
        if (host_) {
            log = host_->log();
        } else {
            log.hadHost = false;
        }
        if (auto mismatch = scenario::CheckSetupFile(s, scenario_.setup, directory_.path()))
            return Fail(s, *mismatch);
        if (auto mismatch = scenario::CheckHelpCalls(s, help_recorder::ReadHelpLedger(HelpLedger()),
                                                     HelpFileBesideTool()))
            return Fail(s, *mismatch);
        if (auto mismatch = scenario::CheckAfterRun(s, log, result, original_))
            return Fail(s, *mismatch);
        return true;
    }

    const scenario::Scenario& scenario_;
    const RunnerOptions& options_;
    scenario::Report& report_;
    WorkDirectory directory_;
    std::unique_ptr<HostWindow> host_;
    ToolProcess tool_;
    HeldFiles held_;
    std::vector<HWND> dialogs_;
    std::set<HWND> matched_;
    std::string toolPath_;
    std::string resultPath_;
    int toolBits_ = 64;
    std::optional<std::string> original_;
    int lastLine_ = 0;
    int shots_ = 0;
};

}  // namespace

int RunScenarioFiles(const std::vector<std::string>& files, const RunnerOptions& options) {
    scenario::Report report(std::cout);
    for (const std::string& file : files) {
        report.Start(file);
        scenario::Scenario parsed;
        try {
            parsed = scenario::ParseScenarioFile(file);
        } catch (const scenario::ParseError& error) {
            report.ParseFailure(file, error);
            continue;
        }
        if (ScenarioRun(parsed, options, report).Run())
            report.Passed(file);
    }
    return report.Finish();
}

}  // namespace host

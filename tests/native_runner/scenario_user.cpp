#include "tests/native_runner/scenario_user.h"

#include <algorithm>
#include <filesystem>

#include "tests/scenario_library/setup_files.h"

namespace scenario {

namespace {

using ui::headless::HeadlessBackend;

std::string IconName(ui::MessageIcon icon) {
    switch (icon) {
        case ui::MessageIcon::Error:
            return "error";
        case ui::MessageIcon::Warning:
            return "warning";
        case ui::MessageIcon::Question:
            return "question";
        case ui::MessageIcon::Information:
            return "info";
        case ui::MessageIcon::None:
            break;
    }
    return "none";
}

int ControlId(const Statement& statement, std::size_t index) {
    try {
        return std::stoi(statement.words.at(index));
    } catch (const std::exception&) {
        return -1;
    }
}

ControlState SnapshotControl(const ui::headless::ControlState& source) {
    ControlState control;
    control.id = source.id;
    control.className = source.className;
    control.text = source.text;
    control.topIndex = source.topIndex;
    control.checked = source.checked;
    control.visible = source.visible;
    control.enabled = source.enabled;
    for (std::size_t i = 0; i < source.items.size(); ++i) {
        control.items.push_back(source.items[i].text);
        if (source.IsMultipleSelection() ? source.items[i].selected
                                         : static_cast<int>(i) == source.currentSelection) {
            control.selected.push_back(static_cast<int>(i));
        }
    }
    return control;
}

// The file dialog as the platform's dialog shows the request: the first filter chosen.
FileDialogState FileDialogOf(const ui::FileOpenRequest& request) {
    constexpr unsigned kHideReadOnly = 0x4;
    FileDialogState dialog;
    std::size_t start = 0;
    for (bool description = true; start < request.filters.size() && request.filters[start] != '\0';
         description = !description) {
        const std::size_t end = std::min(request.filters.find('\0', start), request.filters.size());
        if (description)
            dialog.filters.push_back(request.filters.substr(start, end - start));
        start = end + 1;
    }
    dialog.currentFilter = dialog.filters.empty() ? -1 : 0;
    dialog.readOnlyBoxShown = (request.flags & kHideReadOnly) == 0;
    return dialog;
}

}  // namespace

WindowState SnapshotWindow(const ui::headless::HeadlessWindow& window) {
    WindowState state;
    state.title = window.title;
    for (const ui::headless::ControlState& source : window.controls) {
        state.controls.push_back(SnapshotControl(source));
    }
    return state;
}

ScenarioUser::ScenarioUser(const Scenario& scenario, std::string dir, Report& report)
    : scenario_(scenario), dir_(std::move(dir)), report_(report) {}

void ScenarioUser::Attach(HeadlessBackend& backend, ui::headless::HeadlessPlatform& platform) {
    backend_ = &backend;
    platform_ = &platform;
}

void ScenarioUser::Fail(const Statement* statement, std::string expected, std::string found) const {
    ScenarioFailure failure;
    if (statement != nullptr) {
        failure.line = statement->line;
        failure.statement = FormatStatement(*statement);
    }
    failure.mismatch = {std::move(expected), std::move(found)};
    if (backend_ != nullptr) {
        for (const ui::headless::HeadlessWindow* window : backend_->OpenDialogs()) {
            failure.windows.push_back(SnapshotWindow(*window));
        }
    }
    throw failure;
}

std::string ScenarioUser::Word(const Statement& statement, std::size_t index) const {
    return index < statement.words.size() ? ReplaceDir(statement.words[index], dir_)
                                          : std::string();
}

Statement ScenarioUser::Resolved(const Statement& statement) const {
    Statement resolved = statement;
    for (std::string& word : resolved.words) {
        word = ReplaceDir(word, dir_);
    }
    return resolved;
}

std::vector<int> ScenarioUser::NamedItems(const Statement& statement,
                                          const ui::headless::ControlState& control) const {
    std::vector<int> indices;
    if (const auto missing = FindItems(Resolved(statement), 1, SnapshotControl(control), indices)) {
        Fail(&statement, missing->expected, missing->found);
    }
    return indices;
}

const Statement& ScenarioUser::TakeWindowStep(const std::string& verb, const std::string& found) {
    if (next_ >= scenario_.steps.size()) {
        Fail(nullptr, "the tool to end", found);
    }
    const Statement& statement = scenario_.steps[next_];
    if (statement.verb != verb) {
        Fail(&statement, FormatStatement(statement), found);
    }
    ++next_;
    CheckHostDisabled(statement);
    return statement;
}

void ScenarioUser::CheckHostDisabled(const Statement& statement) const {
    if (scenario_.setup.host != HostKind::None && !platform_->HostClosed() &&
        platform_->HostEnabled()) {
        Fail(&statement, "the host window disabled while the tool's windows are up",
             "it was enabled");
    }
}

std::string ScenarioUser::OwnerName(ui::WindowHandle owner) const {
    if (owner == 0) {
        return "no window";
    }
    if (owner == ui::headless::HeadlessPlatform::kHostWindow) {
        return "the host window";
    }
    const ui::headless::HeadlessWindow* window = backend_->FindWindow(owner);
    return window != nullptr ? "dialog " + QuoteWord(window->title)
                             : "window " + std::to_string(owner);
}

void ScenarioUser::CheckOwner(const Statement& statement, ui::WindowHandle owner) const {
    const std::vector<const ui::headless::HeadlessWindow*> dialogs = backend_->OpenDialogs();
    ui::WindowHandle expected = 0;
    if (!dialogs.empty()) {
        expected = dialogs.back()->handle;
    } else if (scenario_.setup.host != HostKind::None && !platform_->HostClosed()) {
        expected = ui::headless::HeadlessPlatform::kHostWindow;
    }
    if (owner != expected) {
        Fail(&statement, "owned by " + OwnerName(expected), "owned by " + OwnerName(owner));
    }
}

void ScenarioUser::OnDialog(HeadlessBackend& backend, ui::WindowHandle dialog) {
    const std::string title = backend.GetTitle(dialog);
    const Statement& step = TakeWindowStep("dialog", "dialog " + QuoteWord(title));
    if (Word(step, 0) != title) {
        Fail(&step, "dialog " + QuoteWord(Word(step, 0)), "dialog " + QuoteWord(title));
    }
    report_.Step(step);
    while (!backend.HasEnded(dialog)) {
        if (next_ >= scenario_.steps.size() || IsWindowStep(scenario_.steps[next_]) ||
            IsAfterRunStatement(scenario_.steps[next_])) {
            const Statement* pending =
                next_ < scenario_.steps.size() ? &scenario_.steps[next_] : nullptr;
            Fail(pending, pending ? FormatStatement(*pending) : std::string("the tool to end"),
                 "dialog " + QuoteWord(title) + " still open");
        }
        const Statement& statement = scenario_.steps[next_++];
        Act(statement, dialog);
        report_.Step(statement);
    }
}

void ScenarioUser::Act(const Statement& statement, ui::WindowHandle dialog) {
    HeadlessBackend& backend = *backend_;
    const std::string& verb = statement.verb;
    const int id = ControlId(statement, 0);
    try {
        if (verb.starts_with("see")) {
            const WindowState state = SnapshotWindow(*backend.FindWindow(dialog));
            if (const auto mismatch = CheckExpectation(Resolved(statement), state)) {
                Fail(&statement, mismatch->expected, mismatch->found);
            }
        } else if (verb == "dump") {
            const WindowState state = SnapshotWindow(*backend.FindWindow(dialog));
            const ControlState* control = FindControl(state, id);
            if (control == nullptr) {
                Fail(&statement, "control " + statement.words[0],
                     "no control " + statement.words[0] + " in " + QuoteWord(state.title));
            }
            report_.Output(DumpItems(*control));
        } else if (verb == "choose") {
            const auto& control = backend.FindControl(dialog, id);
            const int index = NamedItems(statement, control).front();
            if (control.IsComboBox()) {
                backend.PickComboItem(dialog, id, index);
            } else {
                backend.ClickListItem(dialog, id, index);
            }
        } else if (verb == "select") {
            const auto& control = backend.FindControl(dialog, id);
            const std::vector<int> wanted = NamedItems(statement, control);
            for (int i = 0; i < static_cast<int>(control.items.size()); ++i) {
                const bool want = std::find(wanted.begin(), wanted.end(), i) != wanted.end();
                if (control.items[i].selected != want) {
                    backend.ControlClickListItem(dialog, id, i);
                }
            }
        } else if (verb == "select-all" || verb == "select-none") {
            backend.SelectAllListItems(dialog, id, verb == "select-all");
        } else if (verb == "check") {
            if (backend.FindControl(dialog, id).checked != (Word(statement, 1) == "yes")) {
                backend.Click(dialog, id);
            }
        } else if (verb == "type") {
            for (const char c : Word(statement, 1)) {
                backend.TypeCharacter(dialog, id, c);
            }
        } else if (verb == "clear") {
            backend.ClearEdit(dialog, id);
        } else if (verb == "click") {
            backend.Click(dialog, id);
        } else if (verb == "dblclick") {
            const int index = NamedItems(statement, backend.FindControl(dialog, id)).front();
            backend.DoubleClickListItem(dialog, id, index);
        } else if (verb == "key") {
            const std::string key = Word(statement, 1);
            backend.PressKey(dialog, id,
                             key == "enter"    ? ui::kKeyReturn
                             : key == "escape" ? ui::kKeyEscape
                                               : ui::kKeyDelete);
        } else if (verb == "close") {
            backend.ClickCloseBox(dialog);
        } else if (verb == "close-host") {
            if (!platform_->WindowExists(ui::headless::HeadlessPlatform::kHostWindow)) {
                Fail(&statement, "a host window to close", "none");
            }
            platform_->CloseHost();
            backend.OutsideWindowClosed(ui::headless::HeadlessPlatform::kHostWindow);
        } else {
            Fail(&statement, FormatStatement(statement), "a statement that is no action");
        }
    } catch (const ui::headless::ActionRefused& refused) {
        Fail(&statement, FormatStatement(statement), refused.what());
    }
}

ui::MessageAnswer ScenarioUser::OnMessage(const ui::headless::MessageRequest& request) {
    const std::string found = "message " + QuoteWord(request.text) + ' ' +
                              QuoteWord(request.caption) + ' ' + IconName(request.icon);
    const Statement& step = TakeWindowStep("message", found);
    const std::string expected = "message " + QuoteWord(Word(step, 0)) + ' ' +
                                 QuoteWord(Word(step, 1)) + ' ' + Word(step, 2);
    if (expected != found) {
        Fail(&step, expected, found);
    }
    CheckOwner(step, request.owner);
    const std::string answer = Word(step, 3);
    const bool yesNo = request.buttons == ui::MessageButtons::YesNo;
    // Escape answers a box with only OK as OK does.
    if (yesNo ? (answer != "yes" && answer != "no") : (answer != "ok" && answer != "cancel")) {
        Fail(&step, "a button " + answer, yesNo ? "Yes and No" : "OK");
    }
    report_.Step(step);
    return answer == "yes"  ? ui::MessageAnswer::Yes
           : answer == "no" ? ui::MessageAnswer::No
                            : ui::MessageAnswer::Ok;
}

std::optional<std::string> ScenarioUser::OnFileOpen(const ui::FileOpenRequest& request) {
    const Statement& step = TakeWindowStep("open", "open " + QuoteWord(request.title));
    if (Word(step, 0) != request.title) {
        Fail(&step, "open " + QuoteWord(Word(step, 0)), "open " + QuoteWord(request.title));
    }
    CheckOwner(step, request.owner);
    if (const auto mismatch = CheckFileDialog(Resolved(step), FileDialogOf(request))) {
        Fail(&step, mismatch->expected, mismatch->found);
    }
    report_.Step(step);
    const std::string file = Word(step, 1);
    if (file == "cancel") {
        return std::nullopt;
    }
    const std::string path = PathInDir(file, dir_);
    if (!std::filesystem::is_regular_file(path)) {
        Fail(&step, "a file to choose at " + path, "no such file");
    }
    return path;
}

}  // namespace scenario

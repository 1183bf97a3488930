#include "tests/scenario_library/window_state.h"

#include <cstdio>

#include "tests/scenario_library/result_file.h"
#include "tests/scenario_library/scenario_lexer.h"

namespace scenario {

namespace {

std::string YesNo(bool value) {
    return value ? "yes" : "no";
}

std::string QuotedList(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += ' ';
        text += QuoteWord(word);
    }
    return text;
}

std::vector<std::string> SelectedTexts(const ControlState& control) {
    std::vector<std::string> texts;
    for (int index : control.selected) {
        if (index >= 0 && static_cast<size_t>(index) < control.items.size()) {
            texts.push_back(control.items[index]);
        }
    }
    return texts;
}

std::string Hex(std::string_view bytes) {
    std::string text;
    char buffer[4];
    for (unsigned char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02x", c);
        if (!text.empty())
            text += ' ';
        text += buffer;
    }
    return text;
}

std::optional<Mismatch> Compare(const std::string& expected, const std::string& found) {
    if (expected == found)
        return std::nullopt;
    return Mismatch{expected, found};
}

std::optional<Mismatch> CheckControl(const Statement& s, const ControlState& control) {
    const std::string& id = s.words[0];
    const std::vector<std::string> rest(s.words.begin() + 1, s.words.end());
    if (s.verb == "see")
        return Compare(id + " text " + QuoteWord(rest[0]), id + " text " + QuoteWord(control.text));
    if (s.verb == "see-items") {
        return Compare(id + " items" + QuotedList(rest), id + " items" + QuotedList(control.items));
    }
    if (s.verb == "see-selected") {
        return Compare(id + " selected" + QuotedList(rest),
                       id + " selected" + QuotedList(SelectedTexts(control)));
    }
    if (s.verb == "see-top") {
        const bool hasTop =
            control.topIndex >= 0 && static_cast<size_t>(control.topIndex) < control.items.size();
        return Compare(
            id + " top " + QuoteWord(rest[0]),
            id + " top " + (hasTop ? QuoteWord(control.items[control.topIndex]) : "(none)"));
    }
    if (s.verb == "see-checked")
        return Compare(id + " checked " + rest[0], id + " checked " + YesNo(control.checked));
    if (s.verb == "see-visible")
        return Compare(id + " visible " + rest[0], id + " visible " + YesNo(control.visible));
    if (s.verb == "see-enabled")
        return Compare(id + " enabled " + rest[0], id + " enabled " + YesNo(control.enabled));
    return Mismatch{"an expectation", s.verb};
}

std::optional<Mismatch> CheckCommand(const std::string& expected, const HostLog& host) {
    const std::string wanted =
        expected == "none" ? "command none" : "command " + expected + " lParam 0";
    if (!host.hadHost)
        return Compare(wanted, expected == "none" ? wanted : "no host window");
    std::string found;
    for (const HostLog::Command& command : host.commands) {
        if (!found.empty())
            found += ", ";
        found += "command " + std::to_string(command.id) + " lParam " +
                 std::to_string(command.lParam) +
                 (command.hostWasEnabled ? "" : " while the host was disabled");
    }
    return Compare(wanted, found.empty() ? "command none" : found);
}

std::optional<int> PostedCommand(const HostLog& host) {
    if (host.commands.size() != 1)
        return std::nullopt;
    return host.commands.front().id;
}

std::optional<std::string_view> Record(std::string_view file, size_t recordSize, long long index) {
    const size_t start = kCountSize + static_cast<size_t>(index) * recordSize;
    if (index < 0 || start + recordSize > file.size())
        return std::nullopt;
    return file.substr(start, recordSize);
}

std::string DescribeSize(const std::string& file) {
    const std::optional<long long> count = ResultCount(file);
    return "size " + std::to_string(file.size()) + ", count " +
           (count ? std::to_string(*count) : std::string("(none)"));
}

std::optional<Mismatch> CheckResult(const Statement& s, const HostLog& host,
                                    const std::optional<std::string>& result,
                                    const std::optional<std::string>& original) {
    const std::string& what = s.words[0];
    if (what == "result" && s.words[1] == "none") {
        return Compare("result none",
                       result ? "a result file of " + DescribeSize(*result) : "result none");
    }
    if (what == "result" && s.words[1] == "unchanged") {
        if (result == original)
            return std::nullopt;
        const auto describe = [](const std::optional<std::string>& file) {
            return file ? Hex(*file) : std::string("no file");
        };
        return Mismatch{"result unchanged: " + describe(original), "result " + describe(result)};
    }
    if (!result)
        return Mismatch{s.verb + " " + what + " ...", "no result file"};
    const std::string& file = *result;
    const size_t recordSize = RecordSizeFor(PostedCommand(host), file);
    if (what == "result") {
        const long long count = std::stoll(s.words[2]);
        const size_t wantedSize = kCountSize + static_cast<size_t>(count) * recordSize;
        return Compare("size " + std::to_string(wantedSize) + ", count " + std::to_string(count),
                       DescribeSize(file));
    }
    if (what == "bytes") {
        const bool whole = s.words[1] == "file";
        const std::string bytes =
            DecodeHex(std::vector<std::string>(s.words.begin() + 3, s.words.end()), s.line);
        std::string_view area = file;
        if (!whole) {
            const std::optional<std::string_view> record =
                Record(file, recordSize, std::stoll(s.words[1]));
            if (!record)
                return Mismatch{"record " + s.words[1],
                                "no such record (" + DescribeSize(file) + ")"};
            area = *record;
        }
        const size_t offset = std::stoul(s.words[2]);
        const std::string_view found =
            offset < area.size() ? area.substr(offset, bytes.size()) : "";
        const std::string where =
            (whole ? "file" : "record " + s.words[1]) + " at " + s.words[2] + ": ";
        return Compare(where + Hex(bytes), where + Hex(found));
    }
    const std::optional<std::string_view> record = Record(file, recordSize, std::stoll(s.words[1]));
    if (!record)
        return Mismatch{"record " + s.words[1], "no such record (" + DescribeSize(file) + ")"};
    if (what == "record") {
        return Compare("record " + s.words[1] + " name " + QuoteWord(s.words[3]) + " fax " +
                           QuoteWord(s.words[5]),
                       "record " + s.words[1] + " name " + QuoteWord(FixedText(*record, 0, 31)) +
                           " fax " + QuoteWord(FixedText(*record, 31, 31)));
    }
    const RecordField* field = FindSpeedDialField(s.words[2]);
    if (recordSize != kSpeedDialRecordSize) {
        return Mismatch{"a speed-dial record", std::to_string(recordSize) + "-byte records"};
    }
    const std::string prefix = "record " + s.words[1] + " " + s.words[2] + " ";
    return Compare(prefix + QuoteWord(s.words[3]), prefix + QuoteWord(FieldValue(*record, *field)));
}

}  // namespace

const ControlState* FindControl(const WindowState& window, int id) {
    for (const ControlState& control : window.controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

std::optional<Mismatch> CheckExpectation(const Statement& statement, const WindowState& window) {
    if (statement.verb == "see-title") {
        return Compare("title " + QuoteWord(statement.words[0]),
                       "title " + QuoteWord(window.title));
    }
    const int id = std::stoi(statement.words[0]);
    const ControlState* control = FindControl(window, id);
    if (control == nullptr) {
        return Mismatch{"control " + statement.words[0],
                        "no control " + statement.words[0] + " in " + QuoteWord(window.title)};
    }
    return CheckControl(statement, *control);
}

std::optional<Mismatch> FindItems(const Statement& statement, std::size_t first,
                                  const ControlState& control, std::vector<int>& indices) {
    const std::vector<std::string>& items = control.items;
    std::vector<bool> taken(items.size(), false);
    indices.clear();
    for (std::size_t word = first; word < statement.words.size(); ++word) {
        const std::string& text = statement.words[word];
        size_t i = 0;
        while (i < items.size() && (taken[i] || items[i] != text))
            ++i;
        if (i == items.size()) {
            const std::string& id = statement.words[0];
            return Mismatch{"item " + QuoteWord(text) + " in " + id,
                            id + " items" + QuotedList(items)};
        }
        taken[i] = true;
        indices.push_back(static_cast<int>(i));
    }
    return std::nullopt;
}

std::optional<Mismatch> CheckFileDialog(const Statement& open, const FileDialogState& dialog) {
    if (dialog.readOnlyBoxShown)
        return Mismatch{"the file dialog without a read-only box", "a read-only box"};
    if (open.words.size() <= 2)
        return std::nullopt;
    const std::vector<std::string> wanted(open.words.begin() + 3, open.words.end());
    const std::string chosen =
        dialog.currentFilter == 0 ? ", the first chosen"
        : dialog.currentFilter < 0
            ? ", none chosen"
            : ", filter " + std::to_string(dialog.currentFilter + 1) + " chosen";
    return Compare("filters" + QuotedList(wanted) + ", the first chosen",
                   "filters" + QuotedList(dialog.filters) + chosen);
}

std::string DumpItems(const ControlState& control) {
    std::string text;
    for (size_t i = 0; i < control.items.size(); ++i) {
        text += "item " + std::to_string(control.id) + " " + std::to_string(i) + " " +
                QuoteWord(control.items[i]) + "\n";
    }
    return text;
}

std::string DescribeWindows(const std::vector<WindowState>& windows) {
    if (windows.empty())
        return "  (no window of the tool is open)\n";
    std::string text;
    for (const WindowState& window : windows) {
        text += "  window " + QuoteWord(window.title) + "\n";
        for (const ControlState& c : window.controls) {
            text +=
                "    " + std::to_string(c.id) + " " + c.className + " text " + QuoteWord(c.text);
            if (!c.items.empty() || c.className == "LISTBOX" || c.className == "COMBOBOX") {
                text += " items" + QuotedList(c.items) + " selected" + QuotedList(SelectedTexts(c));
                if (c.className == "LISTBOX")
                    text += " top " + std::to_string(c.topIndex);
            }
            if (c.className == "BUTTON")
                text += " checked " + YesNo(c.checked);
            text += " visible " + YesNo(c.visible) + " enabled " + YesNo(c.enabled) + "\n";
        }
    }
    return text;
}

std::optional<Mismatch> CheckAfterRun(const Statement& statement, const HostLog& host,
                                      const std::optional<std::string>& result,
                                      const std::optional<std::string>& original) {
    // `expect file` is about the setup's files (CheckSetupFile), `expect help` about the help
    // the tool opened (CheckHelpCalls).
    if (statement.verb != "expect" || statement.words[0] == "file" || statement.words[0] == "help")
        return std::nullopt;
    if (statement.words[0] == "command")
        return CheckCommand(statement.words[1], host);
    return CheckResult(statement, host, result, original);
}

std::string DumpResult(const std::optional<std::string>& result) {
    if (!result)
        return "result none\n";
    std::string text;
    char offset[32];
    for (size_t start = 0; start < result->size(); start += 16) {
        std::snprintf(offset, sizeof offset, "%08zx  ", start);
        text += offset + Hex(std::string_view(*result).substr(start, 16)) + "\n";
    }
    return text;
}

}  // namespace scenario

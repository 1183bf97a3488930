#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "tests/scenario_library/result_file.h"
#include "tests/scenario_library/scenario.h"
#include "tests/scenario_library/scenario_lexer.h"
#include "tests/scenario_library/utf16_text.h"
#include "ui/host_protocol.h"

namespace scenario {

namespace {

using Words = std::vector<std::string>;

bool OneOf(const std::string& word, std::initializer_list<const char*> choices) {
    for (const char* choice : choices) {
        if (word == choice)
            return true;
    }
    return false;
}

bool IsNumber(const std::string& word) {
    if (word.empty() || word.size() > 9)
        return false;
    for (char c : word) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

void RequireCount(const Statement& s, size_t min, size_t max, const char* usage) {
    if (s.words.size() < min || s.words.size() > max) {
        throw ParseError(s.line, "usage: " + std::string(usage));
    }
}

void RequireChoice(const Statement& s, size_t index, std::initializer_list<const char*> choices,
                   const char* usage) {
    if (index >= s.words.size() || !OneOf(s.words[index], choices)) {
        throw ParseError(s.line, "usage: " + std::string(usage));
    }
}

void RequireNumber(const Statement& s, size_t index, const char* what) {
    if (index >= s.words.size() || !IsNumber(s.words[index])) {
        throw ParseError(s.line, std::string(what) + " must be a decimal number");
    }
}

void RequireControlId(const Statement& s) {
    RequireNumber(s, 0, "a control id");
    if (std::stol(s.words[0]) > 65535)
        throw ParseError(s.line, "a control id is at most 65535");
}

class Parser {
  public:
    Parser(std::string_view text, const std::string& path) : text_(text) { scenario_.path = path; }

    Scenario Parse() {
        std::vector<std::string_view> lines = SplitLines();
        for (size_t i = 0; i < lines.size(); ++i)
            ParseLine(static_cast<int>(i) + 1, lines[i]);
        if (openFile_)
            throw ParseError(openFile_->line, "file " + openFile_->name + " has no end");
        if (!ran_)
            throw ParseError(static_cast<int>(lines.size()), "no run statement");
        CheckAddressBookIds();
        return std::move(scenario_);
    }

  private:
    struct OpenFile {
        int line = 0;
        std::string name;
        std::string_view eol = "\r\n";
        bool final = true;
        std::string bom;  // "", "utf8", "utf16le" or "utf16be"
        std::vector<std::string> lines;
    };

    std::vector<std::string_view> SplitLines() const {
        std::vector<std::string_view> lines;
        size_t start = 0;
        while (start < text_.size()) {
            size_t end = text_.find('\n', start);
            if (end == std::string_view::npos)
                end = text_.size();
            std::string_view line = text_.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            lines.push_back(line);
            start = end + 1;
        }
        return lines;
    }

    void ParseLine(int number, std::string_view line) {
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            return;
        line.remove_prefix(first);
        if (openFile_) {
            ParseFileBlockLine(number, line);
            return;
        }
        if (line[0] == '|')
            throw ParseError(number, "a content line outside a file block");
        Words words = SplitWords(line, number);
        Statement statement{number, words.front(), Words(words.begin() + 1, words.end())};
        if (!ran_) {
            ParseSetup(statement);
        } else {
            ParseStep(statement);
            scenario_.steps.push_back(std::move(statement));
        }
    }

    void ParseFileBlockLine(int number, std::string_view line) {
        if (line[0] == '|') {
            openFile_->lines.push_back(DecodeContentLine(line.substr(1), number));
            return;
        }
        const Words words = SplitWords(line, number);
        if (words.size() != 1 || words[0] != "end") {
            throw ParseError(number,
                             "expected a content line '|...' or end in file " + openFile_->name);
        }
        std::string bytes;
        for (size_t i = 0; i < openFile_->lines.size(); ++i) {
            bytes += openFile_->lines[i];
            if (openFile_->final || i + 1 < openFile_->lines.size())
                bytes += openFile_->eol;
        }
        if (openFile_->bom == "utf8") {
            bytes.insert(0, "\xEF\xBB\xBF");
        } else if (!openFile_->bom.empty()) {
            const std::optional<std::string> utf16 =
                Utf16FromUtf8(bytes, openFile_->bom == "utf16be");
            if (!utf16)
                throw ParseError(openFile_->line,
                                 "the content of " + openFile_->name + " is not valid UTF-8");
            bytes = *utf16;
        }
        AddFile(openFile_->line, openFile_->name, std::move(bytes));
        openFile_.reset();
    }

    void AddFile(int line, const std::string& name, std::string bytes) {
        for (const FileSetup& file : scenario_.setup.files) {
            if (file.name == name)
                throw ParseError(line, "file " + name + " is created twice");
        }
        scenario_.setup.files.push_back({line, name, std::move(bytes)});
    }

    bool SetsUpFile(const std::string& name) const {
        for (const FileSetup& file : scenario_.setup.files) {
            if (file.name == name)
                return true;
        }
        return false;
    }

    void Once(const Statement& s, const std::string& key) {
        if (!seen_.insert(key).second)
            throw ParseError(s.line, key + " is given twice");
    }

    void ParseSetup(const Statement& s) {
        Setup& setup = scenario_.setup;
        if (s.verb == "run") {
            RequireCount(s, 0, 0, "run");
            ran_ = true;
            scenario_.runLine = s.line;
        } else if (s.verb == "host") {
            RequireCount(s, 1, 1, "host none|plain|limit");
            RequireChoice(s, 0, {"none", "plain", "limit"}, "host none|plain|limit");
            Once(s, "host");
            setup.host = s.words[0] == "none"    ? HostKind::None
                         : s.words[0] == "plain" ? HostKind::Plain
                                                 : HostKind::Limit;
        } else if (s.verb == "codepage") {
            ParseCodePage(s);
        } else if (s.verb == "args") {
            RequireCount(s, 1, 1, "args WORD");
            Once(s, "args");
            setup.args = s.words[0];
        } else if (s.verb == "file") {
            ParseFile(s);
        } else if (s.verb == "hold") {
            ParseHold(s);
        } else if (s.verb == "help") {
            ParseHelpSetup(s);
        } else if (s.verb == "mapi") {
            ParseMapi(s);
        } else if (s.verb == "wab") {
            ParseWab(s);
        } else if (s.verb == "twin") {
            RequireCount(s, 1, 1, "twin absent");
            RequireChoice(s, 0, {"absent"}, "twin absent");
            Once(s, "twin");
            setup.twinAbsent = true;
        } else if (s.verb == "library") {
            RequireCount(s, 1, 1, "library NAME");
            setup.plantedLibraries.push_back(s.words[0]);
        } else if (s.verb == "user") {
            ParseUser(s);
        } else if (s.verb == "list") {
            ParseList(s);
        } else if (s.verb == "other") {
            RequireCount(s, 2, 2, "other ID NAME");
            DefineId(s, s.words[0]);
            setup.others.push_back({s.words[0], s.words[1]});
        } else if (s.verb == "broken") {
            ParseBroken(s);
        } else if (s.verb == "choose") {
            ParseChoose(s);
        } else {
            throw ParseError(s.line, "unknown setup statement: " + s.verb);
        }
    }

    void ParseCodePage(const Statement& s) {
        const char* usage = "codepage 932|936|949|950|1250|1251|1252";
        RequireCount(s, 1, 1, usage);
        RequireChoice(s, 0, {"932", "936", "949", "950", "1250", "1251", "1252"}, usage);
        Once(s, "codepage");
        scenario_.setup.codePage = static_cast<unsigned>(std::stoul(s.words[0]));
    }

    void ParseFile(const Statement& s) {
        const char* usage =
            "file NAME [eol=crlf|lf|cr] [final=yes|no] [bom=utf8|utf16le|utf16be] or file NAME "
            "bytes HEX...";
        if (s.words.empty())
            throw ParseError(s.line, std::string("usage: ") + usage);
        if (s.words.size() >= 2 && s.words[1] == "bytes") {
            AddFile(s.line, s.words[0],
                    DecodeHex(Words(s.words.begin() + 2, s.words.end()), s.line));
            return;
        }
        OpenFile file;
        file.line = s.line;
        file.name = s.words[0];
        std::set<std::string> options;
        for (size_t i = 1; i < s.words.size(); ++i) {
            const std::string& option = s.words[i];
            const std::string key = option.substr(0, option.find('='));
            if (!options.insert(key).second)
                throw ParseError(s.line, key + " is given twice");
            if (option == "eol=crlf") {
                file.eol = "\r\n";
            } else if (option == "eol=lf") {
                file.eol = "\n";
            } else if (option == "eol=cr") {
                file.eol = "\r";
            } else if (option == "final=yes" || option == "final=no") {
                file.final = option == "final=yes";
            } else if (option == "bom=utf8" || option == "bom=utf16le" || option == "bom=utf16be") {
                file.bom = option.substr(4);
            } else {
                throw ParseError(s.line, "unknown file option " + option + "; usage: " + usage);
            }
        }
        openFile_ = std::move(file);
    }

    void ParseHold(const Statement& s) {
        RequireCount(s, 1, 2, "hold NAME [MILLISECONDS]");
        if (s.words.size() == 1) {
            scenario_.setup.heldFiles.push_back(s.words[0]);
            return;
        }
        RequireNumber(s, 1, "a hold's duration");
        scenario_.setup.momentaryHolds.push_back({s.words[0], std::stoi(s.words[1])});
    }

    void ParseHelpSetup(const Statement& s) {
        RequireCount(s, 1, 1, "help absent|present");
        RequireChoice(s, 0, {"absent", "present"}, "help absent|present");
        Once(s, "help");
        scenario_.setup.helpFileInstalled = s.words[0] == "present";
    }

    void ParseHelpExpectation(const Statement& s, const char* usage) {
        RequireCount(s, 2, 100, usage);
        if (s.words.size() == 2 && s.words[1] == "none")
            return;
        for (size_t i = 1; i < s.words.size(); ++i)
            RequireNumber(s, i, "a help context id");
    }

    void ParseMapi(const Statement& s) {
        Setup& setup = scenario_.setup;
        const char* usage =
            "mapi absent|installed|configured|unloadable, mapi initialize ok|fail, "
            "mapi logon ok|cancel|fail, "
            "mapi addressbook ok|warning|fail or mapi bitness 32|64";
        if (s.words.size() == 1) {
            RequireChoice(s, 0, {"absent", "installed", "configured", "unloadable"}, usage);
            Once(s, "mapi");
            const std::string& w = s.words[0];
            setup.mapi = w == "absent"       ? MapiInstall::Absent
                         : w == "installed"  ? MapiInstall::Installed
                         : w == "configured" ? MapiInstall::Configured
                                             : MapiInstall::Unloadable;
        } else if (s.words.size() == 2 && s.words[0] == "initialize") {
            RequireChoice(s, 1, {"ok", "fail"}, usage);
            Once(s, "mapi initialize");
            setup.mapiInitialize = s.words[1];
        } else if (s.words.size() == 2 && s.words[0] == "logon") {
            RequireChoice(s, 1, {"ok", "cancel", "fail"}, usage);
            Once(s, "mapi logon");
            setup.mapiLogon = s.words[1];
        } else if (s.words.size() == 2 && s.words[0] == "addressbook") {
            RequireChoice(s, 1, {"ok", "warning", "fail"}, usage);
            Once(s, "mapi addressbook");
            setup.mapiAddressBook = s.words[1];
        } else if (s.words.size() == 2 && s.words[0] == "bitness") {
            RequireChoice(s, 1, {"32", "64"}, usage);
            Once(s, "mapi bitness");
            setup.mapiBits = s.words[1] == "32" ? 32 : 64;
        } else {
            throw ParseError(s.line, std::string("usage: ") + usage);
        }
    }

    void ParseWab(const Statement& s) {
        const char* usage = "wab absent|present, wab open ok|warning|fail or wab registry expand";
        if (s.words.size() == 1) {
            RequireChoice(s, 0, {"absent", "present"}, usage);
            Once(s, "wab");
            scenario_.setup.wabPresent = s.words[0] == "present";
        } else if (s.words.size() == 2 && s.words[0] == "open") {
            RequireChoice(s, 1, {"ok", "warning", "fail"}, usage);
            Once(s, "wab open");
            scenario_.setup.wabOpen = s.words[1];
        } else if (s.words.size() == 2 && s.words[0] == "registry") {
            RequireChoice(s, 1, {"expand"}, usage);
            Once(s, "wab registry");
            scenario_.setup.wabPathExpandable = true;
        } else {
            throw ParseError(s.line, std::string("usage: ") + usage);
        }
    }

    void ParseUser(const Statement& s) {
        const char* usage = "user ID NAME [primary FAX] [business FAX] [home FAX]";
        if (s.words.size() < 2 || s.words.size() % 2 != 0) {
            throw ParseError(s.line, std::string("usage: ") + usage);
        }
        AddressBookUser user;
        user.id = s.words[0];
        if (s.words[1] != "-")
            user.name = s.words[1];
        for (size_t i = 2; i < s.words.size(); i += 2) {
            const std::string& kind = s.words[i];
            std::optional<std::string>* target = kind == "primary"    ? &user.primaryFax
                                                 : kind == "business" ? &user.businessFax
                                                 : kind == "home"     ? &user.homeFax
                                                                      : nullptr;
            if (target == nullptr)
                throw ParseError(s.line, std::string("usage: ") + usage);
            if (target->has_value())
                throw ParseError(s.line, kind + " is given twice");
            *target = s.words[i + 1];
        }
        DefineId(s, user.id);
        scenario_.setup.users.push_back(std::move(user));
    }

    void ParseList(const Statement& s) {
        const char* usage = "list ID NAME [member ID]...";
        if (s.words.size() < 2 || s.words.size() % 2 != 0) {
            throw ParseError(s.line, std::string("usage: ") + usage);
        }
        AddressBookList list{s.words[0], s.words[1], {}};
        for (size_t i = 2; i < s.words.size(); i += 2) {
            if (s.words[i] != "member")
                throw ParseError(s.line, std::string("usage: ") + usage);
            list.members.push_back(s.words[i + 1]);
            references_.push_back({s.line, s.words[i + 1]});
        }
        DefineId(s, list.id);
        scenario_.setup.lists.push_back(std::move(list));
    }

    void ParseBroken(const Statement& s) {
        const char* usage = "broken ID open|props|table|row N";
        RequireCount(s, 2, 3, usage);
        RequireChoice(s, 1, {"open", "props", "table", "row"}, usage);
        AddressBookFailure failure;
        failure.id = s.words[0];
        const std::string& what = s.words[1];
        if (what == "row") {
            RequireCount(s, 3, 3, usage);
            RequireNumber(s, 2, "a row");
            failure.what = AddressBookFailure::What::Row;
            failure.row = std::stoi(s.words[2]);
            if (failure.row < 1)
                throw ParseError(s.line, "rows count from 1");
        } else {
            RequireCount(s, 2, 2, usage);
            failure.what = what == "open"    ? AddressBookFailure::What::Open
                           : what == "props" ? AddressBookFailure::What::Props
                                             : AddressBookFailure::What::Table;
        }
        references_.push_back({s.line, failure.id});
        scenario_.setup.failures.push_back(std::move(failure));
    }

    void ParseChoose(const Statement& s) {
        Setup& setup = scenario_.setup;
        RequireCount(s, 1, 1000, "choose ID... | choose cancel | choose nothing");
        Once(s, "choose");
        if (s.words.size() == 1 && (s.words[0] == "cancel" || s.words[0] == "nothing")) {
            setup.choose = s.words[0] == "cancel" ? ChooseKind::Cancel : ChooseKind::Nothing;
            return;
        }
        setup.choose = ChooseKind::Entries;
        setup.chosenIds = s.words;
        for (const std::string& id : s.words)
            references_.push_back({s.line, id});
    }

    void DefineId(const Statement& s, const std::string& id) {
        if (!ids_.insert(id).second)
            throw ParseError(s.line, "entry " + id + " is defined twice");
    }

    void CheckAddressBookIds() const {
        for (const auto& [line, id] : references_) {
            if (!ids_.count(id))
                throw ParseError(line, "no address-book entry " + id);
        }
    }

    void ParseStep(const Statement& s) {
        if (IsAfterRunStatement(s)) {
            ParseAfterRun(s);
            afterRun_ = true;
            return;
        }
        if (afterRun_)
            throw ParseError(s.line, s.verb + " after the checks of the run's end");
        if (IsWindowStep(s)) {
            ParseWindowStep(s);
            if (s.verb == "dialog")
                haveDialog_ = true;
            return;
        }
        ParseDialogStatement(s);
        if (!haveDialog_)
            throw ParseError(s.line, s.verb + " before any dialog");
    }

    void ParseWindowStep(const Statement& s) {
        if (s.verb == "dialog") {
            RequireCount(s, 1, 1, "dialog TITLE");
        } else if (s.verb == "message") {
            const char* usage =
                "message TEXT CAPTION error|warning|question|info|none ok|yes|no|cancel";
            RequireCount(s, 4, 4, usage);
            RequireChoice(s, 2, {"error", "warning", "question", "info", "none"}, usage);
            RequireChoice(s, 3, {"ok", "yes", "no", "cancel"}, usage);
        } else {
            const size_t count = s.words.size();
            if (count < 2 || (count > 2 && (s.words[2] != "filters" || count == 3)))
                throw ParseError(s.line, "usage: open TITLE FILE|cancel [filters DESCRIPTION...]");
        }
    }

    void ParseDialogStatement(const Statement& s) {
        struct Form {
            const char* verb;
            size_t min, max;
            const char* usage;
        };
        static const Form forms[] = {
            {"see", 2, 2, "see ID TEXT"},
            {"see-title", 1, 1, "see-title TEXT"},
            {"see-items", 1, 100000, "see-items ID [TEXT]..."},
            {"see-selected", 1, 100000, "see-selected ID [TEXT]..."},
            {"see-top", 2, 2, "see-top ID TEXT"},
            {"see-checked", 2, 2, "see-checked ID yes|no"},
            {"see-visible", 2, 2, "see-visible ID yes|no"},
            {"see-enabled", 2, 2, "see-enabled ID yes|no"},
            {"choose", 2, 2, "choose ID TEXT"},
            {"select", 2, 100000, "select ID TEXT..."},
            {"select-all", 1, 1, "select-all ID"},
            {"select-none", 1, 1, "select-none ID"},
            {"check", 2, 2, "check ID yes|no"},
            {"type", 2, 2, "type ID TEXT"},
            {"clear", 1, 1, "clear ID"},
            {"click", 1, 1, "click ID"},
            {"dblclick", 2, 2, "dblclick ID TEXT"},
            {"key", 2, 2, "key ID enter|escape|delete"},
            {"close", 0, 0, "close"},
            {"close-host", 0, 0, "close-host"},
            {"dump", 1, 1, "dump ID"},
        };
        for (const Form& form : forms) {
            if (s.verb != form.verb)
                continue;
            RequireCount(s, form.min, form.max, form.usage);
            if (s.verb == "see-title" || s.verb == "close" || s.verb == "close-host")
                return;
            RequireControlId(s);
            if (s.verb == "see-checked" || s.verb == "see-visible" || s.verb == "see-enabled" ||
                s.verb == "check") {
                RequireChoice(s, 1, {"yes", "no"}, form.usage);
            } else if (s.verb == "key") {
                RequireChoice(s, 1, {"enter", "escape", "delete"}, form.usage);
            }
            return;
        }
        throw ParseError(s.line, "unknown statement: " + s.verb);
    }

    void ParseAfterRun(const Statement& s) {
        if (s.verb == "dump") {
            RequireCount(s, 1, 1, "dump result");
            return;
        }
        const char* usage =
            "expect command ID|none (ID: a host command), expect result none|unchanged|count N, "
            "expect record K name TEXT fax TEXT, expect field K FIELD VALUE or "
            "expect bytes K|file OFFSET HEX..., expect file NAME unchanged or "
            "expect help CONTEXT...|none";
        if (s.words.empty())
            throw ParseError(s.line, std::string("usage: ") + usage);
        const std::string& what = s.words[0];
        if (what == "command") {
            RequireCount(s, 2, 2, usage);
            if (s.words[1] != "none" && s.words[1] != std::to_string(ui::kNameFaxImportedCommand) &&
                s.words[1] != std::to_string(ui::kSpeedDialImportedCommand)) {
                throw ParseError(s.line, std::string("usage: ") + usage);
            }
        } else if (what == "result") {
            if (s.words.size() == 3 && s.words[1] == "count") {
                RequireNumber(s, 2, "a count");
            } else {
                RequireCount(s, 2, 2, usage);
                RequireChoice(s, 1, {"none", "unchanged"}, usage);
            }
        } else if (what == "record") {
            RequireCount(s, 6, 6, usage);
            RequireNumber(s, 1, "a record number");
            if (s.words[2] != "name" || s.words[4] != "fax") {
                throw ParseError(s.line, std::string("usage: ") + usage);
            }
        } else if (what == "field") {
            RequireCount(s, 4, 4, usage);
            RequireNumber(s, 1, "a record number");
            if (!FindSpeedDialField(s.words[2])) {
                throw ParseError(s.line, "unknown speed-dial field " + s.words[2]);
            }
        } else if (what == "file") {
            RequireCount(s, 3, 3, usage);
            RequireChoice(s, 2, {"unchanged"}, usage);
            if (!SetsUpFile(s.words[1]))
                throw ParseError(s.line, "no file " + s.words[1] + " in the setup");
        } else if (what == "help") {
            ParseHelpExpectation(s, usage);
        } else if (what == "bytes") {
            RequireCount(s, 4, 100000, usage);
            if (s.words[1] != "file")
                RequireNumber(s, 1, "a record number");
            RequireNumber(s, 2, "an offset");
            DecodeHex(Words(s.words.begin() + 3, s.words.end()), s.line);
        } else {
            throw ParseError(s.line, std::string("usage: ") + usage);
        }
    }

    std::string_view text_;
    Scenario scenario_;
    std::optional<OpenFile> openFile_;
    std::set<std::string> seen_;
    std::set<std::string> ids_;
    std::vector<std::pair<int, std::string>> references_;
    bool ran_ = false;
    bool haveDialog_ = false;
    bool afterRun_ = false;
};

// "{fill:N}" becomes as many "x" as make the whole word N characters long, so that a path can
// have an exact length whatever the length of the runner's directory.
std::string FillToLength(std::string word) {
    static constexpr std::string_view kFill = "{fill:";
    const size_t start = word.find(kFill);
    const size_t end = start == std::string::npos ? start : word.find('}', start);
    if (end == std::string::npos)
        return word;
    const std::string digits = word.substr(start + kFill.size(), end - start - kFill.size());
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return word;
    const size_t wanted = std::stoul(digits);
    word.erase(start, end + 1 - start);
    word.insert(start, wanted > word.size() ? wanted - word.size() : 0, 'x');
    return word;
}

}  // namespace

Scenario ParseScenarioText(std::string_view text, const std::string& path) {
    return Parser(text, path).Parse();
}

Scenario ParseScenarioFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ParseError(0, "cannot read " + path);
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw ParseError(0, "cannot read " + path);
    return ParseScenarioText(content.str(), path);
}

std::string ReplaceDir(std::string_view word, std::string_view dir) {
    static constexpr std::string_view kDir = "{dir}";
    std::string replaced;
    size_t pos = 0;
    while (true) {
        const size_t hit = word.find(kDir, pos);
        if (hit == std::string_view::npos)
            break;
        replaced.append(word.substr(pos, hit - pos));
        replaced.append(dir);
        pos = hit + kDir.size();
    }
    replaced.append(word.substr(pos));
    return FillToLength(std::move(replaced));
}

std::string QuoteWord(std::string_view word) {
    bool plain = !word.empty();
    for (unsigned char c : word) {
        if (c <= ' ' || c == '"' || c >= 0x7F)
            plain = false;
    }
    if (plain)
        return std::string(word);
    static const char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (unsigned char c : word) {
        if (c == '"') {
            quoted += "\\\"";
        } else if (c == '\\') {
            quoted += "\\\\";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c < ' ' || c >= 0x7F) {
            quoted += "\\x";
            quoted += kHex[c >> 4];
            quoted += kHex[c & 15];
        } else {
            quoted += static_cast<char>(c);
        }
    }
    return quoted + "\"";
}

bool IsWindowStep(const Statement& statement) {
    return statement.verb == "dialog" || statement.verb == "message" || statement.verb == "open";
}

bool IsAfterRunStatement(const Statement& statement) {
    return statement.verb == "expect" || (statement.verb == "dump" && statement.words.size() == 1 &&
                                          statement.words[0] == "result");
}

}  // namespace scenario

#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// One statement after `run`: a window step, an action, an expectation or an after-run statement.
// Words are decoded (quotes and escapes); "{dir}" is still in them, each runner puts in its own.
struct Statement {
    int line = 0;
    std::string verb;
    std::vector<std::string> words;
};

enum class HostKind { None, Plain, Limit };
enum class MapiInstall { Absent, Installed, Configured, Unloadable };

// The profile's "MAPIX" is 1.
inline bool MapiConfigured(MapiInstall mapi) {
    return mapi == MapiInstall::Configured || mapi == MapiInstall::Unloadable;
}
// The messaging library can be loaded.
inline bool MapiLoads(MapiInstall mapi) {
    return mapi == MapiInstall::Installed || mapi == MapiInstall::Configured;
}

struct FileSetup {
    int line = 0;
    std::string name;   // may hold "{dir}"
    std::string bytes;  // the whole content, line ends and byte-order mark included
};

struct AddressBookUser {
    std::string id;
    std::optional<std::string> name;  // nothing for "-"
    std::optional<std::string> primaryFax, businessFax, homeFax;
};

struct AddressBookList {
    std::string id;
    std::string name;
    std::vector<std::string> members;
};

struct AddressBookOther {
    std::string id;
    std::string name;
};

struct AddressBookFailure {
    enum class What { Open, Props, Table, Row };
    std::string id;
    What what = What::Open;
    int row = 0;  // from 1, for Row
};

enum class ChooseKind { Cancel, Nothing, Entries };

// A file another program holds open for writing until a moment after the tool begins to write
// a file in the scenario's directory.
struct MomentaryHold {
    std::string name;
    int milliseconds = 0;
};

struct Setup {
    unsigned codePage = 1252;  // the system's ANSI code page
    HostKind host = HostKind::Plain;
    std::string args = "{dir}result.dat";
    std::vector<FileSetup> files;
    std::vector<std::string> heldFiles;  // kept open for writing by another program
    std::vector<MomentaryHold> momentaryHolds;
    bool helpFileInstalled = true;  // the help file beside the tool
    MapiInstall mapi = MapiInstall::Absent;
    std::string mapiInitialize = "ok";   // ok, fail
    std::string mapiLogon = "ok";        // ok, cancel, fail
    std::string mapiAddressBook = "ok";  // ok, warning, fail
    int mapiBits = 64;                   // the bitness of the messaging system's library
    bool twinAbsent = false;  // the tool's build of the other bitness is not installed beside it
    bool wabPresent = false;
    std::string wabOpen = "ok";      // ok, warning, fail
    bool wabPathExpandable = false;  // stored as REG_EXPAND_SZ under %CommonProgramFiles%
    std::vector<std::string> plantedLibraries;  // libraries that record being loaded
    std::vector<AddressBookUser> users;
    std::vector<AddressBookList> lists;
    std::vector<AddressBookOther> others;
    std::vector<AddressBookFailure> failures;
    ChooseKind choose = ChooseKind::Cancel;
    std::vector<std::string> chosenIds;
};

struct Scenario {
    std::string path;
    Setup setup;
    std::vector<Statement> steps;
    int runLine = 0;  // the line of `run`, for failures of the start and of the host protocol
};

class ParseError : public std::runtime_error {
  public:
    ParseError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

// Throws ParseError for a file that cannot be read (line 0) or parsed.
Scenario ParseScenarioFile(const std::string& path);
Scenario ParseScenarioText(std::string_view text, const std::string& path);

// Replaces every "{dir}" by dir (which ends with its separator), then "{fill:N}" by as many "x"
// as make the word N characters long.
std::string ReplaceDir(std::string_view word, std::string_view dir);
// A word as a scenario would write it: quoted and escaped when it needs to be.
std::string QuoteWord(std::string_view word);

// Window steps (dialog, message, open), actions and expectations on the current dialog, and
// after-run statements (expect, dump result).
bool IsWindowStep(const Statement& statement);
bool IsAfterRunStatement(const Statement& statement);

}  // namespace scenario

#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/scenario_library/scenario.h"

namespace providers {

// PR_OBJECT_TYPE of a scenario's `other` entry (MAPI_ABCONT): neither a user nor a list.
inline constexpr std::uint32_t kOtherObjectType = 3;

// One entry of the address book, with the ways the scenario makes it fail.
struct MemoryEntry {
    std::string id;
    std::uint32_t objectType = 0;
    std::optional<std::string> displayName;
    // Primary, business, home; empty when absent.
    std::optional<std::string> faxes[3];
    std::vector<std::string> members;  // table order
    bool failsOpen = false;
    bool failsProps = false;
    bool failsTable = false;
    int failingRow = 0;  // from 1; 0: none
};

// What the address dialog gives back.
struct MemoryChoice {
    scenario::ChooseKind kind = scenario::ChooseKind::Cancel;
    std::vector<std::string> ids;
};

// How the libraries in front of the book answer, as the scenario's setup says.
struct MemoryLibraries {
    bool messagingLoads = false;
    // The bitness of a messaging system that only the tool's absent twin could read; 0: none.
    int missingTwinBits = 0;
    std::string initialize = "ok";   // ok, fail
    std::string logon = "ok";        // ok, cancel, fail
    std::string addressBook = "ok";  // ok, warning, fail
    bool wabLoads = false;
    std::string wabOpen = "ok";  // ok, warning, fail
};

// The address book of one scenario. An identifier the book does not hold names a mail user that
// cannot be opened.
class MemoryBook {
  public:
    explicit MemoryBook(const scenario::Setup& setup);

    const MemoryEntry* Find(std::string_view id) const;
    // The object type an identifier is shown with in a list or in the dialog.
    std::uint32_t ObjectTypeOf(std::string_view id) const;
    const MemoryChoice& Choice() const { return choice_; }
    const MemoryLibraries& Libraries() const { return libraries_; }

  private:
    MemoryEntry& EntryFor(const std::string& id);

    std::map<std::string, MemoryEntry, std::less<>> entries_;
    MemoryChoice choice_;
    MemoryLibraries libraries_;
};

}  // namespace providers

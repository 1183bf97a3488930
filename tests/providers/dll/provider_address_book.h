#pragma once

#include "tests/providers/dll/mapi_headers.h"
#include "tests/providers/memory/memory_book.h"

namespace providers {

// The book of the scenario that FAXIMPORT_TEST_SCENARIO names, read on first use; null when
// there is none or it cannot be read.
const MemoryBook* ScenarioBook();

// Notes a call whose arguments are not the ones the tool must pass.
void Refuse(const char* call);

// A new address book over the scenario's book, with one reference.
IAddrBook* NewAddressBook(const MemoryBook& book);

}  // namespace providers

#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "contactfile/contact_file_dialogs.h"
#include "ui/window_handle.h"

using namespace recipients;
using namespace contactfile;

// Answers the reader's questions as a test has set them up and records what it was shown.
class FakeContactFileDialogs : public ContactFileDialogs {
  public:
    std::optional<ColumnMapping> mapping;  // nothing: the user cancels the mapping
    bool pickerConfirms = true;            // OK picks every candidate that has a fax number

    int mapCalls = 0;
    std::vector<std::string> headerShown;
    int pickCalls = 0;
    int countOnPick = -1;
    std::vector<std::pair<std::string, std::string>> candidatesShown;

    std::optional<ColumnMapping> MapFields(std::string_view,
                                           std::span<char* const> headerFields) override {
        ++mapCalls;
        headerShown.assign(headerFields.begin(), headerFields.end());
        return mapping;
    }

    int PickRecipients(std::string_view, std::span<const recipients::ContactCandidate> candidates,
                       RecipientCollection& collection) override {
        ++pickCalls;
        countOnPick = collection.count;
        collection.count = 0;
        for (const recipients::ContactCandidate& candidate : candidates) {
            candidatesShown.emplace_back(candidate.Name(), candidate.Fax());
        }
        if (!pickerConfirms) {
            return ui::kIdCancel;
        }
        for (const recipients::ContactCandidate& candidate : candidates) {
            if (!candidate.Fax().empty()) {
                collection.entries.push_back(MakeRecipientEntry(candidate.Name(), candidate.Fax()));
                ++collection.count;
            }
        }
        return ui::kIdOk;
    }
};

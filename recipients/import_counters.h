#pragma once

namespace recipients {

// The three counters the confirmation shows.
struct ImportCounters {
    int selectedCount = 0;
    int validFaxCount = 0;
    int rejectedCount = 0;
};

}  // namespace recipients

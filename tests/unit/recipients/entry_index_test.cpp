#include "recipients/entry_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// A list that grows through many table sizes, asked for the same texts again and again, and that
// sometimes shrinks: the index answers as a search through the whole list does.
TEST(EntryIndex, AnswersAsASearchThroughTheList) {
    std::mt19937 random(3);
    recipients::EntryIndex index;
    std::vector<std::string> entries;
    for (int step = 0; step < 20000; ++step) {
        const std::string text = "entry " + std::to_string(random() % 3000);
        const bool listed = std::find(entries.begin(), entries.end(), text) != entries.end();
        ASSERT_EQ(index.Contains(entries, text), listed) << text;
        if (random() % 500 == 0) {
            entries.resize(entries.size() / 2);
        } else if (!listed) {
            entries.push_back(text);
        }
    }
}

}  // namespace

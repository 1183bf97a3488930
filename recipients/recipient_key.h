#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace recipients {

// What makes two selected recipients the same in a picker: name and fax number, byte for byte.
// Both are views of texts that outlive the picker's lists, so that looking one up allocates
// nothing.
struct RecipientKey {
    std::string_view name;
    std::string_view fax;

    bool operator==(const RecipientKey&) const = default;
};

struct RecipientKeyHash {
    std::size_t operator()(const RecipientKey& key) const {
        const std::size_t name = std::hash<std::string_view>{}(key.name);
        return name ^ (std::hash<std::string_view>{}(key.fax) + 0x9E3779B97F4A7C15u + (name << 6) +
                       (name >> 2));
    }
};

}  // namespace recipients

#include "ui/headless/sorted_insertion.h"

#include <algorithm>

namespace ui::headless {

namespace {

// A sequence of indices cut into short runs, so that an insertion moves one run, not the whole.
class ChunkedSequence {
  public:
    static constexpr std::size_t kRunLength = 1024;

    explicit ChunkedSequence(std::size_t initial) {
        for (std::size_t first = 0; first < initial; first += kRunLength) {
            Run run;
            run.start = first;
            for (std::size_t i = first; i < std::min(initial, first + kRunLength); ++i) {
                run.values.push_back(static_cast<std::uint32_t>(i));
            }
            runs_.push_back(std::move(run));
        }
        size_ = initial;
    }

    std::size_t size() const { return size_; }

    std::uint32_t At(std::size_t position) const {
        const Run& run = runs_[RunHolding(position)];
        return run.values[position - run.start];
    }

    void Insert(std::size_t position, std::uint32_t value) {
        if (runs_.empty()) {
            runs_.push_back(Run{});
        }
        const std::size_t r = position == size_ ? runs_.size() - 1 : RunHolding(position);
        Run& run = runs_[r];
        run.values.insert(run.values.begin() + static_cast<std::ptrdiff_t>(position - run.start),
                          value);
        ++size_;
        if (run.values.size() >= 2 * kRunLength) {
            Run upper;
            upper.values.assign(run.values.begin() + kRunLength, run.values.end());
            upper.start = run.start + kRunLength;
            run.values.resize(kRunLength);
            runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(r + 1), std::move(upper));
        }
        for (std::size_t later = r + 1; later < runs_.size(); ++later) {
            runs_[later].start = runs_[later - 1].start + runs_[later - 1].values.size();
        }
    }

    std::vector<std::uint32_t> Flattened() const {
        std::vector<std::uint32_t> all;
        all.reserve(size_);
        for (const Run& run : runs_) {
            all.insert(all.end(), run.values.begin(), run.values.end());
        }
        return all;
    }

  private:
    struct Run {
        std::size_t start = 0;
        std::vector<std::uint32_t> values;
    };

    std::size_t RunHolding(std::size_t position) const {
        const auto after =
            std::upper_bound(runs_.begin(), runs_.end(), position,
                             [](std::size_t wanted, const Run& run) { return wanted < run.start; });
        return static_cast<std::size_t>(after - runs_.begin()) - 1;
    }

    std::vector<Run> runs_;
    std::size_t size_ = 0;
};

}  // namespace

std::vector<std::uint32_t> SortedInsertionOrder(std::span<const ListItem> existing,
                                                std::span<const std::string_view> added) {
    ChunkedSequence order(existing.size());
    const auto textOf = [&](std::uint32_t index) -> std::string_view {
        return index < existing.size() ? std::string_view(existing[index].text)
                                       : added[index - existing.size()];
    };
    for (std::size_t i = 0; i < added.size(); ++i) {
        const int position = SortedPosition(
            static_cast<int>(order.size()),
            [&](int at) { return textOf(order.At(static_cast<std::size_t>(at))); }, added[i]);
        order.Insert(static_cast<std::size_t>(position),
                     static_cast<std::uint32_t>(existing.size() + i));
    }
    return order.Flattened();
}

}  // namespace ui::headless

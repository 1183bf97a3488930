#pragma once

// Replaces the global allocation functions of the test executable that links it, so that one
// chosen allocation fails with std::bad_alloc.

// The allocation after `before` others fails; negative: none fails.
void FailAllocationAfter(long before);
// Whether the allocation chosen last has failed.
bool AllocationFailed();

// The test's own bookkeeping is not the tool's: no allocation fails while one of these lives.
class PauseFailure {
  public:
    PauseFailure();
    ~PauseFailure();
    PauseFailure(const PauseFailure&) = delete;
    PauseFailure& operator=(const PauseFailure&) = delete;

  private:
    bool previous_;
};

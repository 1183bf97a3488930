#include "tests/unit/app/allocation_failure_hook.h"

#include <cstdlib>
#include <new>

namespace {

long allocationsBeforeFailure = -1;
bool failed = false;
bool paused = false;

}  // namespace

void FailAllocationAfter(long before) {
    allocationsBeforeFailure = before;
    failed = false;
}

bool AllocationFailed() {
    return failed;
}

PauseFailure::PauseFailure() : previous_(paused) {
    paused = true;
}

PauseFailure::~PauseFailure() {
    paused = previous_;
}

void* operator new(std::size_t size) {
    if (!paused && allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0) {
        failed = true;
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

// The readers ask for their large buffers without exceptions and answer a null one themselves.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return operator new(size, std::nothrow);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

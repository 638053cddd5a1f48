#include "allocation_count.h"

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<int> g_counting{0};
std::atomic<uint64_t> g_made{0};

void Note() {
    if (g_counting.load(std::memory_order_relaxed) > 0) g_made.fetch_add(1, std::memory_order_relaxed);
}

SDL_malloc_func g_malloc;
SDL_calloc_func g_calloc;
SDL_realloc_func g_realloc;
SDL_free_func g_free;

void* SDLCALL Malloc(size_t size) {
    Note();
    return g_malloc(size);
}
void* SDLCALL Calloc(size_t count, size_t size) {
    Note();
    return g_calloc(count, size);
}
void* SDLCALL Realloc(void* block, size_t size) {
    Note();
    return g_realloc(block, size);
}
}  // namespace

CountAllocations::CountAllocations() {
    // SDL's allocator is wrapped once; the wrappers hand on to the original,
    // so what SDL allocated before is freed the same way.
    static const bool wrapped = [] {
        SDL_GetOriginalMemoryFunctions(&g_malloc, &g_calloc, &g_realloc, &g_free);
        return SDL_SetMemoryFunctions(Malloc, Calloc, Realloc, g_free) == 0;
    }();
    (void)wrapped;
    g_made = 0;
    ++g_counting;
}

CountAllocations::~CountAllocations() { --g_counting; }

uint64_t CountAllocations::Made() const { return g_made.load(); }

// Every form of new and delete is replaced, so that all of them pair up.
void* operator new(size_t size) {
    Note();
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    Note();
    return std::malloc(size ? size : 1);
}
void* operator new[](size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void* operator new(size_t size, std::align_val_t alignment) {
    Note();
    const size_t align = static_cast<size_t>(alignment);
    if (void* block = std::aligned_alloc(align, (size + align - 1) / align * align)) return block;
    throw std::bad_alloc();
}
void* operator new[](size_t size, std::align_val_t alignment) { return operator new(size, alignment); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete(void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { std::free(block); }
void operator delete(void* block, size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t, std::align_val_t) noexcept { std::free(block); }

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

void* operator new(size_t size) {
    Note();
    if (void* block = std::malloc(size)) return block;
    throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }

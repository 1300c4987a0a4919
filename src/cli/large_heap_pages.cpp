#include "large_heap_pages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace vendrel::cli {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// About what a large level's run holds at its peak, so the heap grows once.
constexpr int kHeapStep = 16 << 20;

char* AlignedUp(char* address) {
  const auto value = reinterpret_cast<std::uintptr_t>(address);
  return reinterpret_cast<char*>((value + kHugePage - 1) & ~(kHugePage - 1));
}

}  // namespace

void UseLargeHeapPages() {
  mallopt(M_TOP_PAD, kHeapStep);
  // One heap for every thread: the room reader's memory lies in these pages too, not in
  // an arena of its own taken page by page.
  mallopt(M_ARENA_MAX, 1);
  // Large buffers from the heap too, and freed memory kept for reuse, not handed back.
  mallopt(M_MMAP_THRESHOLD, 4 * kHeapStep);
  mallopt(M_TRIM_THRESHOLD, 8 * kHeapStep);
  char* const before = static_cast<char*>(sbrk(0));
  // One allocation larger than what is left grows the heap by the step now; freed, it
  // stays in the heap for the run. Volatile, or the pair would be optimised away.
  void* volatile grow = std::malloc(kHugePage);
  std::free(grow);
  char* const after = static_cast<char*>(sbrk(0));
  char* const from = AlignedUp(before);
  if (before == reinterpret_cast<char*>(-1) || after <= from) return;
  madvise(from, static_cast<std::size_t>(after - from), MADV_HUGEPAGE);
}

}  // namespace vendrel::cli

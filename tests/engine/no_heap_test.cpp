// Generating maps and searching routes must not touch the heap: Create Map
// runs them many thousand times per command. Counting replacements of the
// global allocation functions catch any allocation in between.

#include "acceptance.h"
#include "engine_test_support.h"
#include "generator.h"
#include "map_figures.h"
#include "route_search.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {
std::atomic<long> Allocations{0};
}

void* operator new(std::size_t size) {
    ++Allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace tavrin;
using namespace tavrin::test;

TEST(NoHeap, GeneratingTestingAndSearchingAllocateNothing) {
    auto state = FreshState(31337);
    TRoute route;
    const long before = Allocations;
    for (int i = 0; i < 5; ++i) {
        CreateMap(*state);
        GenerateMap(*state);
        MapAccepted(*state);
        FindShortestPath(*state, StartLocation, Loc(20, 6), route);
        MeasureMap(*state);
    }
    EXPECT_EQ(Allocations - before, 0);
}

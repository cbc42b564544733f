// Proves that Evaluate, after Simplify, allocates nothing: every operator
// new of this executable is counted.

#include "EngineFixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

void* Allocate(std::size_t size)
{
    ++allocations;
    return std::malloc(size ? size : 1);
}

void* AllocateOrThrow(std::size_t size)
{
    if (void* p = Allocate(size))
        return p;
    throw std::bad_alloc();
}

}  // namespace

// Every plain, array, nothrow and sized form is replaced, so that no
// allocation is paired with a deallocation of another allocator.
void* operator new(std::size_t n) { return AllocateOrThrow(n); }
void* operator new[](std::size_t n) { return AllocateOrThrow(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

// The counter does see the engine's allocations: compiling allocates.
TEST(EvaluateAllocation, CounterSeesCompiling)
{
    StartEngine();
    const long before = allocations.load();
    auto expression = Compile("2sin(x)^2-|x|/3");
    EXPECT_GT(allocations.load(), before);
}

// Calls with one and two arguments, bars, brackets, power chains, the
// comparison functions, constants, and sums that stop at a term that is not
// finite, each evaluated over [-40, 40].
TEST(EvaluateAllocation, EvaluateAllocatesNothing)
{
    const char* const formulas[] = {
        "2sin(x)^2-|x|/3",
        "x^3-2x^2+x-5",
        "sqrt(|x|)*cos(3x)+e^(-x*x/50)",
        "x",
        "less(x,0)*x+greater(x,0)*x^2",
        "tg(x)",
        "(x+1)(x-1)/(x^2+1)",
        "pow(x,2)-root(x,3)+log(2,|x|+1)*pi",
        "x^2^3/2^x^0.5",
        "equal(x,1)+and(or(x,0),1)/block(0)-1/less(x,0)",
        "sign(x)+int(x)*round(x)-fact(|x|)+arth(x/40)",
        "-1/x+|(x-|x|)|*ln(x)",
    };
    for (const char* text : formulas) {
        SCOPED_TRACE(text);
        auto expression = Compile(text);
        volatile double sink = 0;
        const long before = allocations.load();
        for (double x = -40; x <= 40; x += 0.25)
            sink = sink + EvalAt(*expression, x);
        EXPECT_EQ(allocations.load(), before);
    }
}

}  // namespace

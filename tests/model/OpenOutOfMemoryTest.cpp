// Opening a document when the memory runs out: an error message, never an
// abort, and the current document stays as it was. Its own executable: it
// replaces the global operator new so that large allocations can fail.

#include "ModelTest.h"

#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kLarge = std::size_t{1} << 20;
// How many more allocations of kLarge bytes or more succeed.
std::atomic<int> largeLeft{INT_MAX};

void* Allocate(std::size_t size)
{
    if (size >= kLarge && largeLeft.fetch_sub(1) <= 0)
        return nullptr;
    return std::malloc(size ? size : 1);
}

void* AllocateOrThrow(std::size_t size)
{
    if (void* p = Allocate(size))
        return p;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t n) { return AllocateOrThrow(n); }
void* operator new[](std::size_t n) { return AllocateOrThrow(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using OpenOutOfMemory = DocumentFixture;

// A graph of 2 MB makes every step of opening allocate a large block: the
// file's bytes, the graph's text read from them, its copy in the document.
// The memory runs out at each step in turn.
TEST_F(OpenOutOfMemory, IsReportedAndKeepsTheDocument)
{
    {
        CCurvixDoc large(m_settings);
        large.AddGraph(MakeGraph(KindYofX, std::string(2 * kLarge, 'x').c_str()));
        large.OnSaveDocument(File("large.cvx"));
    }
    m_doc.AddGraph(MakeGraph(KindYofX, "x^2"));
    m_doc.SetModifiedFlag();
    const Bytes before = Written(m_doc);
    for (int largeAllowed : {0, 1, 2}) {
        SCOPED_TRACE(largeAllowed);
        largeLeft = largeAllowed;
        const auto error = Open(File("large.cvx"));
        largeLeft = INT_MAX;
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->Text(), "Error opening file '" + File("large.cvx") + "'.\nOut of memory.");
        EXPECT_EQ(Written(m_doc), before);
        EXPECT_TRUE(m_doc.IsModified());
    }
    // With the memory back, the same file opens.
    ASSERT_FALSE(Open(File("large.cvx")).has_value());
    EXPECT_EQ(m_doc.GetFirstGraph()->expression.size(), 2 * kLarge);
}

}  // namespace

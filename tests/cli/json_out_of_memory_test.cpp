#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>

#include "cli/json_writer.h"
#include "cli/reading_json.h"
#include "reading/driver.h"
#include "reading/sample_birth.h"

namespace {

// While set, every allocation of at least this many bytes made on this thread fails, as when
// memory runs out just as a JSON line's buffer grows (it grows by 4 KiB at least). Zero: none.
thread_local std::size_t failFromBytes = 0;

}  // namespace

// The test program's allocations all come here, so that the test below can make them fail. Every
// form of new and delete is replaced, so that what one allocates the other frees.
void* operator new(std::size_t size) {
    if (failFromBytes != 0 && size >= failFromBytes) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    return ::operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept {
    return ::operator new(size, nothrow);
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete[](void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

namespace cli {
namespace {

// The line's buffer runs out at every place of the line in turn, closing braces included: each
// time the writing either ends with the whole line or throws std::bad_alloc for the batch to
// report. A throw from a destructor that closes an object would end the program instead.
TEST(JsonOutOfMemoryTest, ALineThatCannotGrowThrowsWhereverItRunsOut) {
    const reading::BirthData birth = reading::SampleBirth();
    const reading::ChartReading chart = reading::CalculateReading(birth);
    std::string whole;
    AppendReadingJson(whole, birth, chart, /*withDasha=*/true);
    int thrown = 0;
    for (std::size_t room = 0; room <= whole.size() + 2; ++room) {
        ReusedText text;
        text.storage.resize(room);
        failFromBytes = 1024;
        try {
            JsonWriter out(text);
            AppendReadingJson(out, birth, chart, /*withDasha=*/true);
        } catch (const std::bad_alloc&) {
            ++thrown;
        }
        failFromBytes = 0;
        if (room >= whole.size() + 2) {
            EXPECT_EQ(text.View(), whole);
        }
    }
    EXPECT_GE(thrown, static_cast<int>(whole.size()));
}

}  // namespace
}  // namespace cli

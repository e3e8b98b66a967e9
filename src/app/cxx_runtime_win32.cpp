// What becomes of the standard library's throws in quillet.exe (the tests
// keep the library's own). The program is built without exceptions and
// catches nothing, so every throw the library could make (an allocation that
// fails, a string position out of range, an empty step called) ended the
// process through std::terminate and abort(). Here it calls abort() at once,
// and the exe carries no exception-handling runtime, none of the thread
// library that runtime locks with, and no terminate handler that demangles
// type names. A throw missing from this list brings the library's own
// definitions back, and the link then fails on the duplicates.
#include <cstddef>
#include <cstdlib>

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size != 0 ? size : 1)) {
        return block;
    }
    std::abort();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

// Called by the library's inline code in place of a throw.
namespace std {
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
[[noreturn]] void __throw_bad_function_call() { std::abort(); }
}  // namespace std

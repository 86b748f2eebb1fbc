#pragma once
// An array of plain values in pages of its own, which grows by remapping
// them: its values are never copied, and no page is touched twice. A vector
// grown by doubling copies into fresh memory and touches about twice its size;
// for a pool's row index that is hundreds of pages, and on some virtual
// machines each page faulted in costs more than reading a page of the bank.

#include <sys/mman.h>

#include <cstring>
#include <new>
#include <type_traits>

namespace litex {

template <class T>
class GrowingArray {
    static_assert(std::is_trivially_copyable_v<T>, "values are moved as bytes");

public:
    GrowingArray() = default;
    GrowingArray(const GrowingArray&) = delete;
    GrowingArray& operator=(const GrowingArray&) = delete;
    ~GrowingArray()
    {
        if (m_data != nullptr)
            munmap(m_data, m_capacity * sizeof(T));
    }

    size_t size() const { return m_size; }
    const T* data() const { return m_data; }
    const T& operator[](size_t index) const { return m_data[index]; }

    void push_back(const T& value) { append(&value, 1); }
    void append(const T* values, size_t count)
    {
        if (m_size + count > m_capacity)
            Grow(m_size + count);
        std::memcpy(m_data + m_size, values, count * sizeof(T));
        m_size += count;
    }

    // Keeps the storage for the next fill.
    void clear() { m_size = 0; }

private:
    static constexpr size_t kPage = 4096;

    void Grow(size_t needed)
    {
        size_t bytes = m_capacity == 0 ? kPage : m_capacity * sizeof(T) * 2;
        while (bytes < needed * sizeof(T))
            bytes *= 2;
        void* grown = m_data == nullptr
                          ? mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                          : mremap(m_data, m_capacity * sizeof(T), bytes, MREMAP_MAYMOVE);
        if (grown == MAP_FAILED)
            throw std::bad_alloc();
        m_data = static_cast<T*>(grown);
        m_capacity = bytes / sizeof(T);
    }

    T* m_data = nullptr;
    size_t m_size = 0;
    size_t m_capacity = 0;
};

} // namespace litex

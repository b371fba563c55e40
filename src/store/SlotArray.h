#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace kunimor {

// A record's field values of one kind. Up to N values live inside the
// record itself, so that a dictionary of a few hundred thousand records
// loads with one allocation per record instead of three; longer arrays (a
// collocation's thirty fields) go to the heap. The size is set once, when
// the record is made, and copies and moves keep it.
template <class T, std::size_t N>
class SlotArray {
public:
    SlotArray() = default;
    SlotArray(const SlotArray& other) { CopyFrom(other); }
    SlotArray(SlotArray&& other) noexcept(std::is_nothrow_move_constructible_v<T>) { MoveFrom(other); }
    SlotArray& operator=(const SlotArray& other) {
        if (this != &other) {
            SlotArray copy(other);
            Clear();
            MoveFrom(copy);
        }
        return *this;
    }
    SlotArray& operator=(SlotArray&& other) noexcept(std::is_nothrow_move_constructible_v<T>) {
        if (this != &other) {
            Clear();
            MoveFrom(other);
        }
        return *this;
    }
    ~SlotArray() { Clear(); }

    // n values, each a copy of value; whatever was held goes.
    void assign(std::size_t n, const T& value) {
        Clear();
        T* to = Allocate(n);
        std::uninitialized_fill_n(to, n, value);
        size_ = static_cast<uint32_t>(n);
    }
    void resize(std::size_t n) { assign(n, T()); }

    std::size_t size() const { return size_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }

private:
    T* Inline() { return std::launder(reinterpret_cast<T*>(inline_)); }
    bool OnHeap() const { return size_ > N; }

    // Room for n values; data_ points at it.
    T* Allocate(std::size_t n) {
        data_ = n > N ? std::allocator<T>().allocate(n) : Inline();
        return data_;
    }

    void Clear() {
        std::destroy_n(data_, size_);
        if (OnHeap()) std::allocator<T>().deallocate(data_, size_);
        data_ = Inline();
        size_ = 0;
    }

    void CopyFrom(const SlotArray& other) {
        T* to = Allocate(other.size_);
        try {
            std::uninitialized_copy_n(other.data_, other.size_, to);
        } catch (...) {
            if (other.size_ > N) std::allocator<T>().deallocate(to, other.size_);
            data_ = Inline();
            throw;
        }
        size_ = other.size_;
    }

    // Leaves other empty.
    void MoveFrom(SlotArray& other) {
        if (other.OnHeap()) {
            data_ = other.data_;
            size_ = other.size_;
        } else {
            std::uninitialized_move_n(other.data_, other.size_, Inline());
            data_ = Inline();
            size_ = other.size_;
            std::destroy_n(other.data_, other.size_);
        }
        other.data_ = other.Inline();
        other.size_ = 0;
    }

    T* data_ = Inline();
    uint32_t size_ = 0;
    alignas(T) unsigned char inline_[N * sizeof(T)];
};

}  // namespace kunimor

#pragma once
// A list of at most N elements held in place (no allocation): the element arrays of the fixed
// records (envelope points, stations, tanks, table rows). Only the first size() elements exist;
// iteration, comparison and indexing cover exactly those, so callers never clamp a count.

#include <algorithm>
#include <array>
#include <cassert>
#include <initializer_list>

template <typename T, int N> class BoundedList {
    static_assert(N > 0);

public:
    static constexpr int kCapacity = N;

    BoundedList() = default;
    // The first N of the values; any beyond are dropped.
    BoundedList(std::initializer_list<T> values) {
        for (const T& v : values) {
            if (!append(v))
                break;
        }
    }

    int size() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool full() const { return count_ == N; }

    T& operator[](int i) {
        assert(i >= 0 && i < count_);
        return items_[static_cast<size_t>(i)];
    }
    const T& operator[](int i) const {
        assert(i >= 0 && i < count_);
        return items_[static_cast<size_t>(i)];
    }
    T& back() { return (*this)[count_ - 1]; }
    const T& back() const { return (*this)[count_ - 1]; }

    T* begin() { return items_.data(); }
    T* end() { return items_.data() + count_; }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + count_; }

    // False, and nothing added, when the list is full.
    bool append(const T& value) {
        if (full())
            return false;
        items_[static_cast<size_t>(count_++)] = value;
        return true;
    }

    // The size becomes `count`, held to 0..N; new elements are default values and removed ones
    // are reset, so no old value can come back.
    void resize(int count) {
        count = std::clamp(count, 0, N);
        for (int i = count; i < count_; ++i)
            items_[static_cast<size_t>(i)] = T{};
        count_ = count;
    }
    void clear() { resize(0); }

    // Removes the element at i, keeping the order of the rest.
    void erase(int i) {
        assert(i >= 0 && i < count_);
        std::move(begin() + i + 1, end(), begin() + i);
        resize(count_ - 1);
    }

    bool operator==(const BoundedList& other) const {
        return std::equal(begin(), end(), other.begin(), other.end());
    }

private:
    std::array<T, N> items_{};
    int count_ = 0;
};

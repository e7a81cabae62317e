#pragma once

#include <QtGlobal>

#include <array>

// Fixed-size array indexed 1..N, the numbering every competition record uses (shot 1..120,
// series 1..6, position 1..10). Keeps the off-by-one out of the call sites.
template<class T, int N>
class TOneBased
{
public:
    static constexpr int Count = N;

    T &operator[](int i)
    {
        Q_ASSERT(i >= 1 && i <= N);
        return items[i - 1];
    }
    const T &operator[](int i) const
    {
        Q_ASSERT(i >= 1 && i <= N);
        return items[i - 1];
    }

    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

    void Fill(const T &value) { items.fill(value); }

    bool operator==(const TOneBased &) const = default;

    std::array<T, N> items {};
};

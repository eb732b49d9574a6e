#include "reference_covering.h"

#include "core/random.h"

#include <algorithm>
#include <vector>

namespace {

std::uint64_t C(int n, int r) {
    if (r < 0 || n < r) return 0;
    std::uint64_t v = 1;
    for (int i = 1; i <= r; ++i)
        v = v * static_cast<std::uint64_t>(n - r + i) / static_cast<std::uint64_t>(i);
    return v;
}

struct Slot {
    Number numbers[6] = {0, 0, 0, 0, 0, 0};
    bool member[91] = {};
    int count = 0;
    std::vector<int> list;
};

struct Pool {
    std::vector<Slot> slots = std::vector<Slot>(925);

    bool occupied(int s) const { return slots[s].numbers[0] != 0; }

    void removeFromList(int owner, int removed) {
        std::vector<int>& l = slots[owner].list;
        for (std::size_t i = 0; i < l.size(); ++i)
            if (l[i] == removed) {
                l[i] = l.back();
                l.pop_back();
                slots[owner].count--;
                return;
            }
    }

    void freeSlot(int s) {
        const std::vector<int> neighbours = slots[s].list;
        for (int z : neighbours) removeFromList(z, s);
        slots[s] = Slot{};
    }

    int shared(int a, int b) const {
        int c = 0;
        for (int i = 0; i < 6 && slots[a].numbers[i] != 0; ++i)
            if (slots[b].member[slots[a].numbers[i]]) ++c;
        return c;
    }

    void put(int s, const Number* numbers, int size, int minShared) {
        slots[s] = Slot{};
        for (int i = 0; i < size; ++i) {
            slots[s].numbers[i] = numbers[i];
            slots[s].member[numbers[i]] = true;
        }
        for (int o = 1; o <= 924; ++o) {
            if (o == s || !occupied(o)) continue;
            if (shared(s, o) >= minShared) {
                slots[s].list.push_back(o);
                slots[s].count++;
                slots[o].list.push_back(s);
                slots[o].count++;
            }
        }
    }

    int lowestFree() const {
        for (int s = 1; s <= 924; ++s)
            if (!occupied(s)) return s;
        return 0;
    }

    bool empty() const { return lowestOccupied() == 0; }
    int lowestOccupied() const {
        for (int s = 1; s <= 924; ++s)
            if (occupied(s)) return s;
        return 0;
    }

    int busiest() const {
        int best = 0;
        for (int s = 1; s <= 924; ++s)
            if (occupied(s) && (best == 0 || slots[s].count > slots[best].count)) best = s;
        return best;
    }
};

// The k-subsets of the positions 1..6 of a column, lexicographic.
std::vector<std::vector<int>> Patterns(int k) {
    std::vector<std::vector<int>> out;
    for (int mask = 0; mask < 64; ++mask) {
        if (__builtin_popcount(static_cast<unsigned>(mask)) != k) continue;
        std::vector<int> p;
        for (int i = 0; i < 6; ++i)
            if (mask & (1 << i)) p.push_back(i);
        out.push_back(p);
    }
    std::sort(out.begin(), out.end());
    return out;
}

struct Bitmap {
    bool present;
    int k;
    std::vector<bool> bits;
    Bitmap(bool on, int kk) : present(on), k(kk), bits(on ? C(90, kk) : 0) {}

    void markColumn(const Column& col) {
        if (!present) return;
        for (const auto& p : Patterns(k)) {
            Number sub[6];
            for (int j = 0; j < k; ++j) sub[j] = col[p[static_cast<std::size_t>(j)]];
            bits[ReferenceRank(sub, k)] = true;
        }
    }
    bool test(const Number* sub) const { return present && bits[ReferenceRank(sub, k)]; }
};

// The index combinations of size r of 0..n-1, as the odometer gives them.
bool Advance(std::vector<int>& idx, int n) {
    const int r = static_cast<int>(idx.size());
    int j = r - 1;
    while (j >= 0 && idx[static_cast<std::size_t>(j)] == n - r + j) --j;
    if (j < 0) return false;
    ++idx[static_cast<std::size_t>(j)];
    for (int m = j + 1; m < r; ++m)
        idx[static_cast<std::size_t>(m)] = idx[static_cast<std::size_t>(m - 1)] + 1;
    return true;
}

int FixedIn(const Number* numbers, int size, const std::vector<Number>& fixed) {
    int c = 0;
    for (int i = 0; i < size; ++i)
        if (std::find(fixed.begin(), fixed.end(), numbers[i]) != fixed.end()) ++c;
    return c;
}

void Sort6(Column& c) {
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 6; ++j)
            if (c[j] < c[i]) std::swap(c[i], c[j]);
}

} // namespace

std::uint64_t ReferenceRank(const Number* a, int k) {
    std::uint64_t rank = 0;
    int previous = 0;
    for (int i = 1; i <= k; ++i) {
        for (int x = previous + 1; x < a[i - 1]; ++x) rank += C(90 - x, k - i);
        previous = a[i - 1];
    }
    return rank;
}

std::vector<Column> ReferenceOrthogonal(const ReferenceInput& in) {
    const int k = in.k;
    const int n = static_cast<int>(in.forecast.size());
    RandomGenerator random(in.seed);
    Bitmap bitmap(in.withBitmap, k);
    for (const Column& c : in.existing) bitmap.markColumn(c);
    Pool pool;
    std::vector<Column> out;

    auto emit = [&](bool enumeration) {
        const int h = pool.busiest();
        Column col{};
        int size = 0;
        auto inColumn = [&](Number x) {
            for (int i = 0; i < size; ++i)
                if (col[i] == x) return true;
            return false;
        };
        for (int j = 0; j < k; ++j) col[size++] = pool.slots[h].numbers[j];
        bool full = size == 6;
        for (int c = pool.slots[h].count; c >= 0 && !full; --c) {
            for (int s = 1; s <= 924 && !full; ++s) {
                if (!pool.occupied(s) || pool.slots[s].count != c) continue;
                for (int j = 0; j < k; ++j) {
                    if (size == 6) break;
                    const Number x = pool.slots[s].numbers[j];
                    if (!inColumn(x)) col[size++] = x;
                }
                if (size == 6) full = true;
            }
        }
        while (size < 6) {
            const Number x = static_cast<Number>(random.uniform(90));
            if (std::find(in.forecast.begin(), in.forecast.end(), x) != in.forecast.end() && !inColumn(x))
                col[size++] = x;
        }
        Sort6(col);
        out.push_back(col);
        if (enumeration) bitmap.markColumn(col);
        int highest = 0;
        for (int s = 1; s <= 924; ++s) {
            if (!pool.occupied(s)) continue;
            bool all = true;
            for (int j = 0; j < k; ++j)
                if (std::find(col.n.begin(), col.n.end(), pool.slots[s].numbers[j]) == col.n.end())
                    all = false;
            if (all) {
                pool.freeSlot(s);
                highest = s;
            }
        }
        return highest;
    };

    std::vector<int> idx(static_cast<std::size_t>(k));
    for (int j = 0; j < k; ++j) idx[static_cast<std::size_t>(j)] = j;
    int slot = 1;
    do {
        Number sub[6] = {0, 0, 0, 0, 0, 0};
        for (int j = 0; j < k; ++j)
            sub[j] = in.forecast[static_cast<std::size_t>(idx[static_cast<std::size_t>(j)])];
        if (in.considerFixed && FixedIn(sub, k, in.fixed) < static_cast<int>(in.fixed.size())) continue;
        if (bitmap.test(sub)) continue;
        pool.put(slot, sub, k, k - 1);
        slot = pool.lowestFree();
        if (slot == 0) slot = emit(true);
    } while (Advance(idx, n));
    while (!pool.empty()) emit(false);
    return out;
}

std::vector<Column> ReferenceGuarantee(const ReferenceInput& in) {
    const int k = in.k;
    const int n = static_cast<int>(in.forecast.size());
    Bitmap bitmap(in.withBitmap, k);
    for (const Column& c : in.existing) bitmap.markColumn(c);
    Pool pool;
    std::vector<Column> out;
    const auto patterns = Patterns(k);

    auto emit = [&](bool enumeration) {
        const int x = pool.busiest();
        Column col{};
        for (int i = 0; i < 6; ++i) col[i] = pool.slots[x].numbers[i];
        out.push_back(col);
        if (enumeration) bitmap.markColumn(col);
        const std::vector<int> neighbours = pool.slots[x].list;
        for (int y : neighbours) pool.freeSlot(y);
        pool.freeSlot(x);
        return x;
    };

    std::vector<int> idx{0, 1, 2, 3, 4, 5};
    int slot = 1;
    do {
        Number c6[6];
        for (int j = 0; j < 6; ++j)
            c6[j] = in.forecast[static_cast<std::size_t>(idx[static_cast<std::size_t>(j)])];
        if (in.considerFixed && FixedIn(c6, 6, in.fixed) < static_cast<int>(in.fixed.size())) continue;
        bool covered = false;
        for (const auto& p : patterns) {
            Number sub[6];
            for (int j = 0; j < k; ++j) sub[j] = c6[p[static_cast<std::size_t>(j)]];
            if (bitmap.test(sub)) covered = true;
        }
        if (covered) continue;
        pool.put(slot, c6, 6, k);
        slot = pool.lowestFree();
        if (slot == 0) slot = emit(true);
    } while (Advance(idx, n));
    while (!pool.empty()) emit(false);
    return out;
}

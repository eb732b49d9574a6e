#include "core/column_store.h"

#include <algorithm>
#include <cstdlib>

ColumnStore::~ColumnStore() {
    std::free(items_);
}

bool ColumnStore::tryResize(std::int64_t slots) {
    if (slots <= capacity_) return true;
    if (slots > std::numeric_limits<std::int32_t>::max()) return false;
    const auto bytes = static_cast<std::size_t>(slots) * sizeof(Column);
    if (bytes > allocationLimit_) return false;
    if (!items_) {
        // calloc hands out pages the system zeroes when first touched: the first block costs nothing
        // until it is filled.
        items_ = static_cast<Column*>(std::calloc(static_cast<std::size_t>(slots), sizeof(Column)));
        if (!items_) return false;
        capacity_ = static_cast<std::int32_t>(slots);
        return true;
    }
    // Column is trivially copyable, so realloc keeps the columns without a copy when it can.
    auto* grown = static_cast<Column*>(std::realloc(items_, bytes));
    if (!grown) return false;
    std::fill(grown + capacity_, grown + slots, Column{});
    items_ = grown;
    capacity_ = static_cast<std::int32_t>(slots);
    return true;
}

bool GrowStore(ColumnStore& store, MessageService& messages) {
    // Half the capacity, but never nothing: a store of one slot must still be able to grow.
    std::int64_t increment = store.capacity() >= 1 ? std::max<std::int64_t>(1, store.capacity() / 2)
                                                   : ColumnStore::kFirstIncrement;
    while (increment >= 1) {
        if (store.tryResize(store.capacity() + increment)) return true;
        increment /= 4;
    }
    messages.warning(kGrowStoreFailedText);
    return false;
}

bool EnsureCapacity(ColumnStore& store, std::int64_t needed, MessageService& messages) {
    while (store.capacity() < needed)
        if (!GrowStore(store, messages)) return false;
    return true;
}

namespace {

// The last number first: it rejects most other columns with one byte comparison.
inline bool SameColumn(const Column& a, const Column& b) {
    return a.n[5] == b.n[5] && std::memcmp(a.n.data(), b.n.data(), 5) == 0;
}

std::int32_t FindInFirst(ColumnStore& store, const Column& column, std::int32_t limit) {
    if (limit < 1) return 0;
    const Column* items = store.items();
    const std::int32_t hint = store.lastFound;
    for (std::int32_t p = hint + 1; p <= limit; ++p)
        if (SameColumn(items[p - 1], column)) return store.lastFound = p;
    const std::int32_t wrapEnd = hint < limit ? hint : limit;
    for (std::int32_t p = 1; p <= wrapEnd; ++p)
        if (SameColumn(items[p - 1], column)) return store.lastFound = p;
    return 0;
}

} // namespace

std::int32_t FindColumn(ColumnStore& store, const Column& column) {
    return FindInFirst(store, column, store.count);
}

std::int32_t FindColumnAmongFirst(ColumnStore& store, const Column& column, std::int32_t n) {
    return FindInFirst(store, column, n < store.capacity() ? n : store.capacity());
}

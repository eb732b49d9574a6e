#include "reductions/mathematical/orbit_covering.h"

#include "reductions/mathematical/covering_state.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <limits>
#include <random>
#include <stdexcept>
#include <unordered_set>

namespace {

constexpr int kMaxOrbitV = 32;

// Colex ranks of k-subsets of 0..v-1 held as bit masks; Gosper's successor walks them in rank order.
class SubsetRanks {
public:
    explicit SubsetRanks(int v) {
        for (int n = 0; n <= v; ++n) {
            binom_[n][0] = 1;
            for (int k = 1; k <= 6; ++k) binom_[n][k] = n == 0 ? 0 : binom_[n - 1][k - 1] + binom_[n - 1][k];
        }
    }
    std::uint64_t count(int v, int k) const { return binom_[v][k]; }
    std::uint64_t rank(std::uint64_t mask) const {
        std::uint64_t r = 0;
        for (int j = 1; mask != 0; mask &= mask - 1, ++j) r += binom_[__builtin_ctzll(mask)][j];
        return r;
    }
    static std::uint64_t next(std::uint64_t x) {
        const std::uint64_t c = x & (~x + 1);
        const std::uint64_t r = x + c;
        return (((r ^ x) >> 2) / c) | r;
    }

private:
    std::uint64_t binom_[kMaxOrbitV + 1][7] = {};
};

// A permutation applied to masks a byte at a time.
class MaskPermutation {
public:
    explicit MaskPermutation(const std::vector<int>& image) {
        for (int byte = 0; byte < 4; ++byte)
            for (int value = 0; value < 256; ++value) {
                std::uint32_t out = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const int point = byte * 8 + bit;
                    if ((value >> bit & 1) && point < static_cast<int>(image.size()))
                        out |= std::uint32_t{1} << image[static_cast<std::size_t>(point)];
                }
                table_[static_cast<std::size_t>(byte)][static_cast<std::size_t>(value)] = out;
            }
    }
    std::uint64_t operator()(std::uint64_t mask) const {
        return table_[0][mask & 255] | table_[1][mask >> 8 & 255] | table_[2][mask >> 16 & 255] |
               table_[3][mask >> 24 & 255];
    }

private:
    std::array<std::array<std::uint32_t, 256>, 4> table_{};
};

// Every subset of the orbit of `start` (itself included), by a walk over the generators.
template <typename Seen>
void WalkOrbit(std::uint64_t start, const std::vector<MaskPermutation>& group, Seen&& firstVisit,
               std::vector<std::uint64_t>& stack, std::vector<std::uint64_t>& orbit) {
    orbit.clear();
    stack.assign(1, start);
    firstVisit(start);
    while (!stack.empty()) {
        const std::uint64_t s = stack.back();
        stack.pop_back();
        orbit.push_back(s);
        for (const auto& g : group) {
            const std::uint64_t image = g(s);
            if (firstVisit(image)) stack.push_back(image);
        }
    }
}

// Compressed lists: row r holds data[offset[r] .. offset[r + 1]).
struct Rows {
    std::vector<std::uint64_t> offset{0};
    std::vector<std::uint32_t> data;
    std::size_t size() const { return offset.size() - 1; }
    const std::uint32_t* begin(std::size_t r) const { return data.data() + offset[r]; }
    const std::uint32_t* end(std::size_t r) const { return data.data() + offset[r + 1]; }
};

Rows Transpose(const Rows& rows, std::size_t columns) {
    Rows out;
    out.offset.assign(columns + 1, 0);
    for (std::uint32_t x : rows.data) ++out.offset[x + 1];
    for (std::size_t i = 0; i < columns; ++i) out.offset[i + 1] += out.offset[i];
    out.data.resize(rows.data.size());
    std::vector<std::uint64_t> fill(out.offset.begin(), out.offset.end() - 1);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (const std::uint32_t* p = rows.begin(r); p != rows.end(r); ++p)
            out.data[fill[*p]++] = static_cast<std::uint32_t>(r);
    return out;
}

// The set-cover problem between orbits: which item orbits each column orbit covers.
struct OrbitProblem {
    std::vector<std::uint64_t> representative; // one column of each column orbit
    std::vector<std::uint32_t> columnOrbit;    // orbit of each column, by rank
    std::vector<std::uint32_t> orbitSize;      // columns in each column orbit
    Rows covers;                               // per column orbit: item orbits covered
    Rows coveredBy;                            // per item orbit: column orbits covering it
    std::size_t itemOrbits = 0;
};

OrbitProblem BuildProblem(const OrbitCoveringRequest& request, const std::vector<MaskPermutation>& group) {
    const int v = request.v;
    const int m = request.kind == CoveringKind::Orthogonal ? request.t : request.drawn;
    const SubsetRanks ranks(v);
    const std::uint64_t full = (std::uint64_t{1} << v) - 1;
    std::vector<std::uint64_t> stack, orbit;

    constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> itemOrbit(ranks.count(v, m), kNone);
    OrbitProblem problem;
    {
        std::uint32_t id = 0;
        std::uint64_t mask = (std::uint64_t{1} << m) - 1;
        for (std::uint64_t r = 0; r < itemOrbit.size(); ++r, mask = SubsetRanks::next(mask)) {
            if (itemOrbit[r] != kNone) continue;
            WalkOrbit(
                mask, group,
                [&](std::uint64_t s) {
                    std::uint32_t& slot = itemOrbit[ranks.rank(s)];
                    if (slot != kNone) return false;
                    slot = id;
                    return true;
                },
                stack, orbit);
            ++id;
        }
        problem.itemOrbits = id;
    }

    problem.columnOrbit.assign(ranks.count(v, 6), kNone);
    std::vector<std::uint32_t> stamp(problem.itemOrbits, kNone);
    std::vector<std::uint64_t> inside, outside;
    std::uint64_t mask = 0x3F;
    for (std::uint64_t r = 0; r < problem.columnOrbit.size(); ++r, mask = SubsetRanks::next(mask)) {
        if (problem.columnOrbit[r] != kNone) continue;
        const auto column = static_cast<std::uint32_t>(problem.representative.size());
        WalkOrbit(
            mask, group,
            [&](std::uint64_t s) {
                std::uint32_t& slot = problem.columnOrbit[ranks.rank(s)];
                if (slot != kNone) return false;
                slot = column;
                return true;
            },
            stack, orbit);
        problem.representative.push_back(mask);
        problem.orbitSize.push_back(static_cast<std::uint32_t>(orbit.size()));
        auto note = [&](std::uint64_t item) {
            const std::uint32_t o = itemOrbit[ranks.rank(item)];
            if (stamp[o] == column) return;
            stamp[o] = column;
            problem.covers.data.push_back(o);
        };
        if (m == request.t) {
            inside.clear();
            CollectSubsets(mask, m, inside);
            for (std::uint64_t s : inside) note(s);
        } else {
            for (int j = request.t; j <= std::min(6, m); ++j) {
                inside.clear();
                outside.clear();
                CollectSubsets(mask, j, inside);
                CollectSubsets(full & ~mask, m - j, outside);
                for (std::uint64_t a : inside)
                    for (std::uint64_t b : outside) note(a | b);
            }
        }
        problem.covers.offset.push_back(problem.covers.data.size());
    }
    problem.coveredBy = Transpose(problem.covers, problem.itemOrbits);
    return problem;
}

// Weighted local search for the smallest set cover: each step drops the chosen orbit whose loss
// uncovers the least weight, then adds, for random uncovered items, the orbit covering the most
// uncovered weight; the weights of items left uncovered grow, which steers the search away from
// where it keeps failing. Scores are kept up to date item by item.
class OrbitSearch {
public:
    OrbitSearch(const OrbitProblem& p, std::uint32_t seed) : p_(p), rng_(seed) {
        chosen_.assign(p.representative.size(), false);
        score_.assign(p.representative.size(), 0);
        stamp_.assign(p.representative.size(), 0);
        count_.assign(p.itemOrbits, 0);
        holder_.assign(p.itemOrbits, 0);
        weight_.assign(p.itemOrbits, 1);
        position_.assign(p.itemOrbits, 0);
        for (std::size_t i = 0; i < p.itemOrbits; ++i) {
            position_[i] = static_cast<std::uint32_t>(uncovered_.size());
            uncovered_.push_back(static_cast<std::uint32_t>(i));
        }
        for (std::size_t b = 0; b < score_.size(); ++b)
            score_[b] = static_cast<std::int64_t>(p.covers.end(b) - p.covers.begin(b));
    }

    // Adds the orbit of best gain per column until everything is covered, after the given orbits.
    void greedy(const std::vector<std::uint32_t>& first) {
        for (std::uint32_t b : first)
            if (!chosen_[b]) add(b);
        while (!uncovered_.empty()) {
            std::size_t best = 0;
            double bestRatio = -1;
            for (std::size_t b = 0; b < score_.size(); ++b) {
                if (chosen_[b]) continue;
                const double ratio = static_cast<double>(score_[b]) / p_.orbitSize[b];
                if (ratio > bestRatio) {
                    bestRatio = ratio;
                    best = b;
                }
            }
            add(best);
        }
        remember();
        std::fill(stamp_.begin(), stamp_.end(), 0);
    }

    bool run(std::chrono::steady_clock::time_point deadline, std::uint64_t maxSteps, std::uint64_t target) {
        std::uint64_t budget = bestSize_ - 1;
        trimTo(budget);
        for (; maxSteps == 0 || steps_ < maxSteps; ++steps_) {
            if ((steps_ & 63) == 0 && std::chrono::steady_clock::now() >= deadline) return false;
            if (uncovered_.empty()) {
                remember();
                if (bestSize_ <= target) return true;
                budget = bestSize_ - 1;
                trimTo(budget);
                continue;
            }
            if (!members_.empty()) removeBest();
            bool added = false;
            while (!uncovered_.empty()) {
                const std::uint32_t item =
                    uncovered_[DrawBelow(rng_, static_cast<std::uint32_t>(uncovered_.size()))];
                const std::size_t b = bestAddition(item, budget - total_);
                if (b == kNoOrbit) break;
                add(b);
                added = true;
            }
            if (members_.empty() && !added) return false; // no orbit fits the budget at all
            for (std::uint32_t item : uncovered_) {
                ++weight_[item];
                for (const std::uint32_t* q = p_.coveredBy.begin(item); q != p_.coveredBy.end(item); ++q)
                    ++score_[*q];
            }
        }
        return false;
    }

    const std::vector<std::uint32_t>& best() const { return best_; }
    std::uint64_t bestSize() const { return bestSize_; }
    std::uint64_t steps() const { return steps_; }

private:
    static constexpr std::size_t kNoOrbit = std::numeric_limits<std::size_t>::max();
    // Steps during which an orbit just added may not leave, or one just dropped come back.
    static constexpr std::uint64_t kTenure = 2;

    void remember() {
        if (total_ >= bestSize_) return;
        bestSize_ = total_;
        best_.clear();
        for (std::size_t b = 0; b < chosen_.size(); ++b)
            if (chosen_[b]) best_.push_back(static_cast<std::uint32_t>(b));
    }

    void trimTo(std::uint64_t budget) {
        while (total_ > budget && !members_.empty()) removeBest();
    }

    // Chosen orbit whose removal uncovers the least weight per column.
    void removeBest() {
        const std::size_t pick = leastLoss(true);
        remove(pick != kNoOrbit ? pick : leastLoss(false));
    }

    std::size_t leastLoss(bool respectTabu) {
        RandomBest pick(rng_);
        for (std::uint32_t b : members_)
            if (!respectTabu || !recentlyChanged(b)) pick.offer(b, -perColumn(b));
        return pick.best;
    }

    std::size_t bestAddition(std::uint32_t item, std::uint64_t room) {
        RandomBest pick(rng_);
        for (const std::uint32_t* q = p_.coveredBy.begin(item); q != p_.coveredBy.end(item); ++q)
            if (p_.orbitSize[*q] <= room && !recentlyChanged(*q)) pick.offer(*q, perColumn(*q));
        return pick.best;
    }

    bool recentlyChanged(std::size_t b) const { return stamp_[b] != 0 && stamp_[b] + kTenure > steps_; }
    double perColumn(std::size_t b) const { return static_cast<double>(score_[b]) / p_.orbitSize[b]; }

    // The orbit of highest value among those offered, ties broken uniformly at random.
    struct RandomBest {
        explicit RandomBest(std::mt19937& rng) : rng(rng) {}
        void offer(std::size_t b, double value) {
            if (best == kNoOrbit || value > top) {
                top = value;
                best = b;
                ties = 1;
            } else if (value == top && DrawBelow(rng, ++ties) == 0) {
                best = b;
            }
        }
        std::mt19937& rng;
        std::size_t best = kNoOrbit;
        double top = 0;
        std::uint32_t ties = 0;
    };

    // Scores: for an orbit outside the solution, the uncovered weight it would cover; for one
    // inside, the weight it alone covers.
    void add(std::size_t b) {
        chosen_[b] = true;
        stamp_[b] = steps_ + 1;
        members_.push_back(static_cast<std::uint32_t>(b));
        total_ += p_.orbitSize[b];
        std::int64_t alone = 0;
        for (const std::uint32_t* q = p_.covers.begin(b); q != p_.covers.end(b); ++q) {
            const std::uint32_t i = *q;
            if (count_[i] == 0) {
                for (const std::uint32_t* c = p_.coveredBy.begin(i); c != p_.coveredBy.end(i); ++c)
                    if (!chosen_[*c]) score_[*c] -= weight_[i];
                alone += weight_[i];
                dropUncovered(i);
            } else if (count_[i] == 1) {
                score_[holder_[i]] -= weight_[i];
            }
            ++count_[i];
            holder_[i] += b;
        }
        score_[b] = alone;
    }

    void remove(std::size_t b) {
        chosen_[b] = false;
        stamp_[b] = steps_ + 1;
        members_.erase(std::find(members_.begin(), members_.end(), static_cast<std::uint32_t>(b)));
        total_ -= p_.orbitSize[b];
        score_[b] = 0;
        for (const std::uint32_t* q = p_.covers.begin(b); q != p_.covers.end(b); ++q) {
            const std::uint32_t i = *q;
            --count_[i];
            holder_[i] -= b;
            if (count_[i] == 0) {
                for (const std::uint32_t* c = p_.coveredBy.begin(i); c != p_.coveredBy.end(i); ++c)
                    if (!chosen_[*c]) score_[*c] += weight_[i];
                position_[i] = static_cast<std::uint32_t>(uncovered_.size());
                uncovered_.push_back(i);
            } else if (count_[i] == 1) {
                score_[holder_[i]] += weight_[i];
            }
        }
    }

    void dropUncovered(std::uint32_t i) {
        const std::uint32_t last = uncovered_.back();
        uncovered_[position_[i]] = last;
        position_[last] = position_[i];
        uncovered_.pop_back();
    }

    const OrbitProblem& p_;
    std::vector<bool> chosen_;
    std::vector<std::int64_t> score_;
    std::vector<std::uint64_t> stamp_;  // step (plus one) of the last change, 0 for none
    std::vector<std::uint32_t> count_;  // chosen orbits covering each item orbit
    std::vector<std::uint64_t> holder_; // sum of those orbits: the only one when the count is 1
    std::vector<std::uint64_t> weight_;
    std::vector<std::uint32_t> position_;
    std::vector<std::uint32_t> uncovered_;
    std::vector<std::uint32_t> members_;
    std::vector<std::uint32_t> best_;
    std::uint64_t total_ = 0;
    std::uint64_t bestSize_ = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t steps_ = 0;
    std::mt19937 rng_;
};

} // namespace

OrbitCoveringResult SearchInvariantCovering(const OrbitCoveringRequest& request) {
    if (request.v < 7 || request.v > kMaxOrbitV || request.t < 2 || request.t > 5 ||
        request.drawn < request.t || request.drawn > 6)
        throw std::invalid_argument("orbit covering request out of range");
    std::vector<MaskPermutation> group;
    for (const auto& image : request.generators) {
        std::vector<bool> hit(static_cast<std::size_t>(request.v), false);
        if (image.size() != static_cast<std::size_t>(request.v))
            throw std::invalid_argument("generator of the wrong length");
        for (int x : image) {
            if (x < 0 || x >= request.v || hit[static_cast<std::size_t>(x)])
                throw std::invalid_argument("generator is not a permutation");
            hit[static_cast<std::size_t>(x)] = true;
        }
        group.emplace_back(image);
    }
    std::vector<std::uint64_t> startMasks;
    for (const CoveringColumn& c : request.start) startMasks.push_back(ColumnMask(c, request.v));
    const auto start = std::chrono::steady_clock::now();
    const OrbitProblem problem = BuildProblem(request, group);
    std::vector<std::uint32_t> first;
    const SubsetRanks ranks(request.v);
    for (std::uint64_t mask : startMasks) first.push_back(problem.columnOrbit[ranks.rank(mask)]);
    OrbitSearch search(problem, request.seed);
    search.greedy(first);
    OrbitCoveringResult result;
    result.greedySize = static_cast<int>(search.bestSize());
    const auto deadline = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                      std::chrono::duration<double>(std::max(0.0, request.seconds)));
    search.run(deadline, request.maxSteps, static_cast<std::uint64_t>(std::max(0, request.target)));

    std::vector<std::uint64_t> stack, orbit;
    std::unordered_set<std::uint64_t> seen;
    for (std::uint32_t b : search.best()) {
        WalkOrbit(
            problem.representative[b], group, [&](std::uint64_t s) { return seen.insert(s).second; }, stack,
            orbit);
        for (std::uint64_t mask : orbit) {
            CoveringColumn c{};
            int i = 0;
            for (std::uint64_t x = mask; x != 0 && i < 6; x &= x - 1)
                c[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(__builtin_ctzll(x) + 1);
            result.columns.push_back(c);
        }
    }
    std::sort(result.columns.begin(), result.columns.end());
    result.itemOrbits = problem.itemOrbits;
    result.columnOrbits = problem.representative.size();
    result.steps = search.steps();
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

bool ParseGenerator(const std::string& text, int v, std::vector<int>& image) {
    image.resize(static_cast<std::size_t>(v));
    for (int i = 0; i < v; ++i) image[static_cast<std::size_t>(i)] = i;
    std::vector<bool> used(static_cast<std::size_t>(v), false);
    auto readNumber = [&](std::size_t& pos, int& out) {
        if (pos >= text.size() || !std::isdigit(static_cast<unsigned char>(text[pos]))) return false;
        out = 0;
        while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
            out = out * 10 + (text[pos++] - '0');
            if (out > 1000) return false;
        }
        return true;
    };
    if (text.empty()) return false;
    std::size_t pos = 0;
    if (text[0] != '(') {
        // Consecutive cycle lengths: "7+7".
        int next = 0;
        while (pos < text.size()) {
            int length = 0;
            if (!readNumber(pos, length) || length < 1 || next + length > v) return false;
            for (int i = 0; i < length; ++i)
                image[static_cast<std::size_t>(next + i)] = next + (i + 1) % length;
            next += length;
            if (pos < text.size() && text[pos++] != '+') return false;
            if (pos == text.size() && text.back() == '+') return false;
        }
        return next > 0;
    }
    while (pos < text.size()) {
        if (text[pos] == ' ') {
            ++pos;
            continue;
        }
        if (text[pos++] != '(') return false;
        std::vector<int> cycle;
        while (true) {
            while (pos < text.size() && (text[pos] == ' ' || text[pos] == ',')) ++pos;
            if (pos < text.size() && text[pos] == ')') {
                ++pos;
                break;
            }
            int n = 0;
            if (!readNumber(pos, n) || n < 1 || n > v || used[static_cast<std::size_t>(n - 1)]) return false;
            used[static_cast<std::size_t>(n - 1)] = true;
            cycle.push_back(n - 1);
        }
        if (cycle.empty()) return false;
        for (std::size_t i = 0; i < cycle.size(); ++i)
            image[static_cast<std::size_t>(cycle[i])] = cycle[(i + 1) % cycle.size()];
    }
    return true;
}

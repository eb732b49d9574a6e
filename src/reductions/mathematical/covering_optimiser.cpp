#include "reductions/mathematical/covering_optimiser.h"

#include "reductions/mathematical/covering_state.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <thread>
#include <unordered_map>

namespace {

using SteadyTime = std::chrono::steady_clock::time_point;

// Most columns dropped at once on the way down.
constexpr std::size_t kMaxDrop = 16;
// Moves sampled at each new column count to learn the size of an uphill step.
constexpr int kCalibrationMoves = 64;
// Temperatures of one annealing round, as multiples of the mean uphill step.
constexpr double kStartTemperature = 0.6;
constexpr double kEndTemperature = 0.04;
// Share (per mille) of moves that change a random number of a random column instead of aiming at
// an uncovered item: they let the search drift across plateaus the aimed moves cannot leave.
constexpr std::uint32_t kRandomMovesPerMille = 300;
// Moves during which a number put into a column by the breakout search stays there.
constexpr std::uint64_t kTabuTenure = 3;
// Moves during which a column taken out by the tabu search may not come back. Large coverings
// built by hand or from designs shed many columns this way where annealing finds nothing.
constexpr std::uint64_t kRemovedTenure = 50;

int ItemSize(const CoveringRequest& request) {
    return request.kind == CoveringKind::Orthogonal ? request.t : request.drawn;
}

struct Shared {
    SteadyTime deadline;
    std::atomic<bool> stop{false};
    int target = 0;
    std::uint64_t maxMoves = 0;
    std::chrono::steady_clock::duration patience{0};
};

class Search {
public:
    Search(const CoveringRequest& request, std::uint32_t seed, Shared& shared)
        : start_(StartMasks(request)), state_(request.v, request.t, ItemSize(request)), rng_(seed),
          shared_(shared), full_(request.v == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << request.v) - 1),
          method_(request.method != CoveringMethod::Automatic ? request.method
                  : request.kind == CoveringKind::Guarantee   ? CoveringMethod::Breakout
                                                              : CoveringMethod::Annealing) {}

    void run() {
        for (std::uint64_t mask : start_) state_.addBlock(mask);
        greedy();
        greedySize_ = static_cast<int>(state_.blocks().size());
        best_ = state_.blocks();
        lastImprovement_ = std::chrono::steady_clock::now();
        std::uint64_t roundLength = 0;
        // Columns dropped at once: doubled while counts fall in the first round, so that a poor
        // start on a large forecast is not walked down one column at a time; a count that
        // resists several rounds after a multiple drop gets one column back.
        std::size_t drop = 1;
        std::size_t overshoot = 0;
        int failedRounds = 0;
        while (!finished()) {
            if (state_.uncoveredCount() == 0) {
                pruneRedundant();
                if (state_.blocks().size() < best_.size()) {
                    best_ = state_.blocks();
                    lastImprovement_ = std::chrono::steady_clock::now();
                }
                if (static_cast<int>(best_.size()) <= shared_.target) {
                    shared_.stop = true;
                    break;
                }
                if (state_.blocks().size() <= 1) break;
                drop = failedRounds == 0 ? std::min<std::size_t>(drop * 2, kMaxDrop) : 1;
                drop = std::min(drop, state_.blocks().size() - 1);
                for (std::size_t i = 0; i < drop; ++i) dropWeakestBlock();
                overshoot = drop - 1;
                failedRounds = 0;
                calibrate();
                roundLength = initialRoundLength();
                continue;
            }
            if (roundLength == 0) {
                calibrate();
                roundLength = initialRoundLength();
            }
            const bool solved = method_ == CoveringMethod::Breakout ? breakout(roundLength)
                                : method_ == CoveringMethod::Tabu   ? tabuSearch(roundLength)
                                                                    : anneal(roundLength);
            if (solved) continue;
            ++failedRounds;
            if (overshoot > 0 && failedRounds >= 3) {
                addGreedyBlock(state_.unrank(state_.uncoveredItem(
                    DrawBelow(rng_, static_cast<std::uint32_t>(state_.uncoveredCount())))));
                --overshoot;
                drop = 1;
                failedRounds = 1;
                roundLength = initialRoundLength();
                continue;
            }
            roundLength = std::min<std::uint64_t>(roundLength * 2, 1u << 26);
        }
    }

    const std::vector<std::uint64_t>& best() const { return best_; }
    int greedySize() const { return greedySize_; }
    std::uint64_t moves() const { return moves_; }

private:
    bool finished() {
        if (shared_.stop.load(std::memory_order_relaxed)) return true;
        if (shared_.maxMoves != 0 && moves_ >= shared_.maxMoves) return true;
        const auto now = std::chrono::steady_clock::now();
        return now >= shared_.deadline ||
               (shared_.patience.count() > 0 && now - lastImprovement_ >= shared_.patience);
    }

    std::uint64_t initialRoundLength() const { return 2000 + 200 * state_.blocks().size(); }

    // Items in rank order; each one still uncovered gets a column.
    void greedy() {
        for (std::uint64_t r = 0; r < state_.itemCount(); ++r)
            if (state_.coverCount(r) == 0) addGreedyBlock(state_.unrank(r));
    }

    // A column holding the item: a guarantee item is a column by itself, completed at random when
    // the draw is smaller than a column; an orthogonal one is completed number by number, each
    // time with the number that covers most uncovered t-subsets (ties at random).
    void addGreedyBlock(std::uint64_t item) {
        std::uint64_t block = item;
        if (state_.m() != state_.t()) {
            while (CoveringState::popcount(block) < CoveringState::kBlockSize)
                block |= std::uint64_t{1} << randomMember(full_ & ~block);
            state_.addBlock(block);
            return;
        }
        std::vector<std::uint64_t>& partial = scratch_;
        while (CoveringState::popcount(block) < CoveringState::kBlockSize) {
            partial.clear();
            CollectSubsets(block, state_.t() - 1, partial);
            long bestGain = -1;
            int chosen = -1;
            std::uint32_t ties = 0;
            for (std::uint64_t rest = full_ & ~block; rest != 0; rest &= rest - 1) {
                const std::uint64_t e = rest & (~rest + 1);
                long gain = 0;
                for (std::uint64_t sub : partial) gain += state_.coverCount(state_.rank(sub | e)) == 0;
                if (gain > bestGain) {
                    bestGain = gain;
                    chosen = __builtin_ctzll(e);
                    ties = 1;
                } else if (gain == bestGain && DrawBelow(rng_, ++ties) == 0) {
                    chosen = __builtin_ctzll(e);
                }
            }
            block |= std::uint64_t{1} << chosen;
        }
        state_.addBlock(block);
    }

    void pruneRedundant() {
        for (std::size_t i = 0; i < state_.blocks().size();) {
            if (state_.uniqueCoverage(i) == 0)
                state_.removeBlock(i);
            else
                ++i;
        }
    }

    // The column whose loss uncovers the fewest items; ties broken at random so that restarts of
    // the same seed family do not all follow one path.
    void dropWeakestBlock() {
        std::uint64_t fewest = std::numeric_limits<std::uint64_t>::max();
        std::vector<std::size_t> ties;
        for (std::size_t i = 0; i < state_.blocks().size(); ++i) {
            const std::uint64_t u = state_.uniqueCoverage(i);
            if (u < fewest) {
                fewest = u;
                ties.clear();
            }
            if (u == fewest) ties.push_back(i);
        }
        state_.removeBlock(ties[DrawBelow(rng_, static_cast<std::uint32_t>(ties.size()))]);
    }

    int randomMember(std::uint64_t mask) {
        int k = static_cast<int>(DrawBelow(rng_, static_cast<std::uint32_t>(CoveringState::popcount(mask))));
        for (; k > 0; --k) mask &= mask - 1;
        return __builtin_ctzll(mask);
    }

    struct Move {
        std::size_t block;
        int x, y;
    };

    // A move aimed at a random uncovered item: one column that misses covering it by a single
    // number swaps one of its other numbers for a missing one, so the item becomes covered.
    Move proposeMove() {
        const auto& blocks = state_.blocks();
        const auto blockCount = static_cast<std::uint32_t>(blocks.size());
        if (DrawBelow(rng_, 1000) < kRandomMovesPerMille) {
            const std::size_t b = DrawBelow(rng_, blockCount);
            return {b, randomMember(blocks[b]), randomMember(full_ & ~blocks[b])};
        }
        const std::uint64_t item = state_.unrank(
            state_.uncoveredItem(DrawBelow(rng_, static_cast<std::uint32_t>(state_.uncoveredCount()))));
        // Rejection sampling picks uniformly among the columns one number short of the item, at
        // a fraction of the cost of scanning them all when there are hundreds.
        const int wanted = state_.t() - 1;
        std::size_t b = blocks.size();
        for (std::uint32_t tries = 0; tries < 4 * blockCount; ++tries) {
            const std::size_t i = DrawBelow(rng_, blockCount);
            if (CoveringState::popcount(blocks[i] & item) == wanted) {
                b = i;
                break;
            }
        }
        if (b == blocks.size()) {
            near_.clear();
            for (std::size_t i = 0; i < blocks.size(); ++i)
                if (CoveringState::popcount(blocks[i] & item) == wanted) near_.push_back(i);
            b = near_.empty() ? DrawBelow(rng_, blockCount)
                              : near_[DrawBelow(rng_, static_cast<std::uint32_t>(near_.size()))];
        }
        return {b, randomMember(blocks[b] & ~item), randomMember(item & ~blocks[b])};
    }

    void calibrate() {
        double sum = 0;
        int uphill = 0;
        for (int i = 0; i < kCalibrationMoves && state_.uncoveredCount() > 0; ++i) {
            const Move mv = proposeMove();
            const auto d = state_.evaluate(mv.block, mv.x, mv.y, std::numeric_limits<std::int64_t>::max());
            if (d.lost > d.gained) {
                sum += static_cast<double>(d.lost - d.gained);
                ++uphill;
            }
        }
        step_ = uphill > 0 ? std::max(1.0, sum / uphill) : 1.0;
    }

    std::uint64_t randomUncoveredItem() {
        return state_.unrank(
            state_.uncoveredItem(DrawBelow(rng_, static_cast<std::uint32_t>(state_.uncoveredCount()))));
    }

    // The move of least cost among those that make `item` covered: a column one number short of
    // it swaps one of its other numbers for the missing one. Ties are broken at random; the
    // block is blocks().size() when no allowed move exists.
    template <typename Cost, typename Allowed>
    Move bestAimedMove(std::uint64_t item, Cost&& cost, Allowed&& allowed) {
        const auto& blocks = state_.blocks();
        std::int64_t best = std::numeric_limits<std::int64_t>::max();
        Move chosen{blocks.size(), 0, 0};
        std::uint32_t ties = 0;
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            if (CoveringState::popcount(blocks[b] & item) != state_.t() - 1) continue;
            for (std::uint64_t xs = blocks[b] & ~item; xs != 0; xs &= xs - 1)
                for (std::uint64_t ys = item & ~blocks[b]; ys != 0; ys &= ys - 1) {
                    const int x = __builtin_ctzll(xs);
                    const int y = __builtin_ctzll(ys);
                    if (!allowed(b, x, y)) continue;
                    const std::int64_t d = cost(b, x, y, best);
                    if (d < best) {
                        best = d;
                        chosen = {b, x, y};
                        ties = 1;
                    } else if (d == best && DrawBelow(rng_, ++ties) == 0) {
                        chosen = {b, x, y};
                    }
                }
        }
        return chosen;
    }

    // Breakout search: for a random uncovered item, make the best move that covers it under the
    // weighted cost (never taking out a number just put into a column), then raise the weights
    // of what is left uncovered. Lotto designs have few columns, each move shifts thousands of
    // items and annealing drowns in the noise; the weights find the way out of a local minimum.
    bool breakout(std::uint64_t length) {
        const auto& blocks = state_.blocks();
        tabu_.assign(blocks.size() * CoveringState::kMaxV, 0);
        for (std::uint64_t i = 0; i < length; ++i) {
            if ((moves_ & 15) == 0 && finished()) return false;
            ++moves_;
            const Move chosen = bestAimedMove(
                randomUncoveredItem(),
                [&](std::size_t b, int x, int y, std::int64_t) { return state_.evaluateWeighted(b, x, y); },
                [&](std::size_t b, int x, int) {
                    return tabu_[b * CoveringState::kMaxV + static_cast<std::size_t>(x)] <= moves_;
                });
            if (chosen.block != blocks.size()) {
                state_.apply(chosen.block, chosen.x, chosen.y);
                tabu_[chosen.block * CoveringState::kMaxV + static_cast<std::size_t>(chosen.y)] =
                    moves_ + kTabuTenure;
                if (state_.uncoveredCount() == 0) return true;
            }
            state_.raiseUncoveredWeights();
        }
        return false;
    }

    // Tabu search: for a random uncovered item, the move that covers it and leaves the fewest
    // items uncovered, among those that do not bring back a column taken out lately.
    bool tabuSearch(std::uint64_t length) {
        const auto& blocks = state_.blocks();
        for (std::uint64_t i = 0; i < length; ++i) {
            if ((moves_ & 15) == 0 && finished()) return false;
            ++moves_;
            Move chosen = bestAimedMove(
                randomUncoveredItem(),
                [&](std::size_t b, int x, int y, std::int64_t best) {
                    const auto d = state_.evaluate(b, x, y, best);
                    return d.lost - d.gained;
                },
                [&](std::size_t b, int x, int y) {
                    const auto it =
                        removedUntil_.find((blocks[b] & ~(std::uint64_t{1} << x)) | std::uint64_t{1} << y);
                    return it == removedUntil_.end() || it->second <= moves_;
                });
            if (chosen.block == blocks.size()) {
                const std::size_t b = DrawBelow(rng_, static_cast<std::uint32_t>(blocks.size()));
                chosen = {b, randomMember(blocks[b]), randomMember(full_ & ~blocks[b])};
            }
            removedUntil_[blocks[chosen.block]] = moves_ + kRemovedTenure;
            state_.apply(chosen.block, chosen.x, chosen.y);
            if (removedUntil_.size() > 64 * kRemovedTenure)
                std::erase_if(removedUntil_, [&](const auto& entry) { return entry.second <= moves_; });
            if (state_.uncoveredCount() == 0) return true;
        }
        return false;
    }

    // One round of geometric cooling; true when the items are all covered.
    bool anneal(std::uint64_t length) {
        double temperature = kStartTemperature * step_;
        const double factor =
            std::pow(kEndTemperature / kStartTemperature, 1.0 / static_cast<double>(length));
        for (std::uint64_t i = 0; i < length; ++i) {
            if ((moves_ & 63) == 0 && finished()) return false;
            ++moves_;
            const Move mv = proposeMove();
            // Metropolis on integer deltas: accept when delta <= -T ln u.
            const double u = (static_cast<double>(rng_()) + 1.0) / 4294967296.0;
            const auto limit = static_cast<std::int64_t>(std::floor(-temperature * std::log(u)));
            const auto d = state_.evaluate(mv.block, mv.x, mv.y, limit);
            if (d.lost - d.gained <= limit) {
                state_.apply(mv.block, mv.x, mv.y);
                if (state_.uncoveredCount() == 0) return true;
            }
            temperature *= factor;
        }
        return false;
    }

    static std::vector<std::uint64_t> StartMasks(const CoveringRequest& request) {
        std::vector<std::uint64_t> masks;
        for (const auto& column : request.start) masks.push_back(ColumnMask(column, request.v));
        return masks;
    }

    std::vector<std::uint64_t> start_;
    CoveringState state_;
    std::mt19937 rng_;
    Shared& shared_;
    std::uint64_t full_;
    std::vector<std::uint64_t> best_;
    SteadyTime lastImprovement_ = std::chrono::steady_clock::now();
    std::vector<std::size_t> near_;
    std::vector<std::uint64_t> scratch_;
    CoveringMethod method_;
    std::unordered_map<std::uint64_t, std::uint64_t> removedUntil_; // column -> first move it may return
    std::vector<std::uint64_t> tabu_; // per column and number: the move before which it must stay
    double step_ = 1.0;
    int greedySize_ = 0;
    std::uint64_t moves_ = 0;
};

CoveringColumn ToColumn(std::uint64_t mask) {
    CoveringColumn c{};
    int i = 0;
    for (; mask != 0 && i < 6; mask &= mask - 1)
        c[i++] = static_cast<std::uint8_t>(__builtin_ctzll(mask) + 1);
    return c;
}

} // namespace

std::uint64_t ColumnMask(const CoveringColumn& column, int v) {
    std::uint64_t mask = 0;
    for (std::uint8_t n : column) {
        if (n < 1 || n > v) throw std::invalid_argument("column number out of range");
        mask |= std::uint64_t{1} << (n - 1);
    }
    if (CoveringState::popcount(mask) != CoveringState::kBlockSize)
        throw std::invalid_argument("column with a repeated number");
    return mask;
}

CoveringResult OptimiseCovering(const CoveringRequest& request) {
    if (request.v < 7 || request.v > CoveringState::kMaxV || request.t < 2 || request.t > 5 ||
        request.drawn < request.t || request.drawn > 6 || request.threads < 1)
        throw std::invalid_argument("covering request out of range");
    const auto start = std::chrono::steady_clock::now();
    Shared shared;
    shared.deadline = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                  std::chrono::duration<double>(std::max(0.0, request.seconds)));
    shared.target = request.target;
    shared.maxMoves = request.maxMoves;
    shared.patience = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(std::max(0.0, request.patience)));

    std::vector<Search> searches;
    searches.reserve(static_cast<std::size_t>(request.threads));
    for (int i = 0; i < request.threads; ++i)
        searches.emplace_back(request, request.seed + static_cast<std::uint32_t>(i), shared);
    if (request.threads == 1) {
        searches[0].run();
    } else {
        std::vector<std::thread> workers;
        for (auto& s : searches) workers.emplace_back([&s] { s.run(); });
        for (auto& w : workers) w.join();
    }

    std::size_t winner = 0;
    CoveringResult result;
    for (std::size_t i = 0; i < searches.size(); ++i) {
        result.moves += searches[i].moves();
        if (searches[i].best().size() < searches[winner].best().size()) winner = i;
    }
    for (std::uint64_t mask : searches[winner].best()) result.columns.push_back(ToColumn(mask));
    std::sort(result.columns.begin(), result.columns.end());
    result.greedySize = searches[winner].greedySize();
    result.seed = request.seed + static_cast<std::uint32_t>(winner);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

int CoveringLowerBound(CoveringKind kind, int v, int t) {
    if (kind == CoveringKind::Guarantee) return 1;
    // ceil(v/6 ceil((v-1)/5 ... ceil((v-t+1)/(6-t+1))))
    std::uint64_t bound = 1;
    for (int i = t - 1; i >= 0; --i) {
        const std::uint64_t num = static_cast<std::uint64_t>(v - i) * bound;
        const std::uint64_t den = static_cast<std::uint64_t>(6 - i);
        bound = (num + den - 1) / den;
    }
    return static_cast<int>(bound);
}

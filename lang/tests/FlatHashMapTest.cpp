// The open-addressing map behind the application table, against
// std::unordered_map: every entry stays findable through insertions,
// erasures that shift runs back across the array's end, erasures of many
// entries at once, and the shrinking that follows mass erasure in the
// array's own order.
#include "lang/FlatHashMap.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

using Key = std::pair<int, int>;
// Few distinct homes: long runs that wrap around the array's end.
struct CrowdingHash {
    size_t operator()(const Key& k) const { return size_t(k.first % 3); }
};
// Every key of a group at one home.
struct GroupHash {
    size_t operator()(const Key& k) const { return size_t(k.first); }
};
struct PairHash {
    size_t operator()(const Key& k) const { return size_t(k.first) * 1000003u + size_t(k.second); }
};

template <class Hash>
void ExpectSame(const QnFlatHashMap<Key, int, Hash>& flat, const std::unordered_map<Key, int*, PairHash>& model)
{
    ASSERT_EQ(flat.size(), model.size());
    size_t walked = 0;
    for (const auto& [key, value] : flat) {
        ++walked;
        auto it = model.find(key);
        ASSERT_NE(it, model.end());
        EXPECT_EQ(value, it->second);
    }
    EXPECT_EQ(walked, model.size());
    for (const auto& [key, value] : model) {
        auto it = flat.find(key);
        ASSERT_NE(it, flat.end());
        EXPECT_EQ(it->second, value);
    }
}

template <class Hash>
void RandomInsertAndErase()
{
    std::vector<int> values(4000);
    QnFlatHashMap<Key, int, Hash> flat;
    std::unordered_map<Key, int*, PairHash> model;
    std::mt19937 rng(7);
    for (int step = 0; step < 20000; ++step) {
        const Key key{int(rng() % 500), int(rng() % 8)};
        int* value = &values[rng() % values.size()];
        if (step % 5000 == 4999) {
            // What a collection that drops caches does: all at once.
            const int odd = int(rng() % 2);
            auto goes = [odd](const auto& entry) { return entry.first.second % 2 == odd; };
            EXPECT_EQ(erase_if(flat, goes), std::erase_if(model, goes));
            ExpectSame(flat, model);
        } else if (rng() % 3) {
            const bool inserted = flat.emplace(key, value).second;
            EXPECT_EQ(inserted, model.emplace(key, value).second);
        } else if (auto it = flat.find(key); it != flat.end()) {
            flat.erase(it);
            model.erase(key);
        } else {
            EXPECT_EQ(model.count(key), 0u);
        }
    }
    ExpectSame(flat, model);
}

} // namespace

TEST(FlatHashMap, RandomInsertAndEraseMatchAStandardMap)
{
    RandomInsertAndErase<PairHash>();
    RandomInsertAndErase<CrowdingHash>();
}

TEST(FlatHashMap, ErasingMostInArrayOrderThenInsertingKeepsTheRestFindable)
{
    std::vector<int> values(50000);
    QnFlatHashMap<Key, int, PairHash> flat;
    std::unordered_map<Key, int*, PairHash> model;
    for (int i = 0; i < 50000; ++i) {
        flat.emplace({i, i}, &values[i]);
        model.emplace(Key{i, i}, &values[i]);
    }
    // What a collection does: walk the entries, then forget those that go.
    std::vector<Key> order;
    for (const auto& [key, value] : flat)
        order.push_back(key);
    for (size_t i = 0; i < order.size(); ++i) {
        if (i % 100 == 0)
            continue;
        flat.erase(flat.find(order[i]));
        model.erase(order[i]);
    }
    ExpectSame(flat, model);
    for (int i = 0; i < 100000; ++i) // enough insertions to shrink
        flat.emplace({-1, -1}, &values[0]);
    model.emplace(Key{-1, -1}, &values[0]);
    ExpectSame(flat, model);
}

TEST(FlatHashMap, ErasingManyAtOnceKeepsRunsThatWrapFindable)
{
    // Entries of three groups, each group at one home, crowd a small array
    // into long runs that reach past each other's homes and, for some of
    // the groups tried, across the array's end. Any of them may go.
    std::vector<int> values(40);
    for (int group = 0; group < 64; ++group) {
        for (int mod = 2; mod <= 3; ++mod) {
            QnFlatHashMap<Key, int, GroupHash> flat;
            std::unordered_map<Key, int*, PairHash> model;
            for (int i = 0; i < 40; ++i) {
                const Key key{group + i % 3, i};
                flat.emplace(key, &values[size_t(i)]);
                model.emplace(key, &values[size_t(i)]);
            }
            auto goes = [mod](const auto& entry) { return entry.first.second % mod != 0; };
            erase_if(flat, goes);
            std::erase_if(model, goes);
            SCOPED_TRACE(testing::Message() << "groups from " << group << ", all but every " << mod << "th erased");
            ExpectSame(flat, model);
        }
    }
}

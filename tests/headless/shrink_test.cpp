#include "headless/shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

using Events = std::vector<int>;
using Fails = std::function<bool(const Events&)>;

bool Holds(const Events& events, int event)
{
    return std::ranges::find(events, event) != events.end();
}

// 3 somewhere before a 7.
bool ThreeThenSeven(const Events& e)
{
    const auto three = std::ranges::find(e, 3);
    return three != e.end() && std::find(three, e.end(), 7) != e.end();
}

Events Numbers(std::size_t count)
{
    Events events(count);
    std::iota(events.begin(), events.end(), 100);
    return events;
}

Events With(Events events, std::initializer_list<std::pair<std::size_t, int>> placed)
{
    for (const auto& [at, event] : placed)
        events[at] = event;
    return events;
}

}  // namespace

// Each fault needs some events in some order among many others: the shrinker keeps exactly those, the
// result still fails and no single event of it can go; a fault at the end of a long run costs few tries.
TEST(Shrink, KeepsOnlyTheEventsTheFaultNeeds)
{
    const struct {
        const char* Fault;
        Events Failing;
        Fails Predicate;
        Events Shortest;
        std::size_t MostTries;
    } cases[] = {
        {"a 7 last", With(Numbers(10000), {{9999, 7}}), [](const Events& e) { return Holds(e, 7); }, {7}, 1},
        {"a 7 first", With(Numbers(1000), {{0, 7}}), [](const Events& e) { return Holds(e, 7); }, {7}, 40},
        {"a 3 then a 7 far apart", With(Numbers(1000), {{1, 3}, {998, 7}}), ThreeThenSeven, {3, 7}, 60},
        {"a key pressed three times", With(Numbers(300), {{5, 2}, {150, 2}, {290, 2}}),
         [](const Events& e) { return std::ranges::count(e, 2) >= 3; }, {2, 2, 2}, 80},
        {"the whole list", Events{1, 2, 3}, [](const Events& e) { return e.size() == 3; }, {1, 2, 3}, 6},
    };
    for (const auto& c : cases) {
        std::size_t tries = 0;
        const Events shortest = ShrinkEvents(c.Failing, [&](const Events& e) { return ++tries, c.Predicate(e); });
        EXPECT_EQ(shortest, c.Shortest) << c.Fault;
        EXPECT_TRUE(c.Predicate(shortest)) << c.Fault;
        for (std::size_t i = 0; i < shortest.size(); ++i) {
            Events without = shortest;
            without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
            EXPECT_FALSE(c.Predicate(without)) << c.Fault << ": event " << i << " was not needed";
        }
        EXPECT_LE(tries, c.MostTries) << c.Fault;
    }
}

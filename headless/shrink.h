#pragma once
// Shrinks a failing list of events to a short one that still fails the same way: first the shortest
// tail that fails on its own (a fault usually needs only what came just before it), then delta
// debugging: drop halves, then quarters, and so on down to single events, for as long as the rest
// still fails. The result is 1-minimal: taking out any single event of it makes it pass.
#include <cstddef>
#include <vector>

template <typename Event>
std::vector<Event> ShrinkTail(const std::vector<Event>& events, auto&& fails)
{
    for (std::size_t length = 1; length < events.size(); length *= 4) {
        std::vector<Event> tail(events.end() - static_cast<std::ptrdiff_t>(length), events.end());
        if (fails(tail))
            return tail;
    }
    return events;
}

// Drops each chunk of the given size in turn while the rest still fails; true when any was dropped.
template <typename Event>
bool DropChunks(std::vector<Event>& events, std::size_t chunk, auto&& fails)
{
    bool dropped = false;
    for (std::size_t start = 0; start < events.size() && events.size() > 1;) {
        const std::size_t end = std::min(start + chunk, events.size());
        std::vector<Event> rest(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
        rest.insert(rest.end(), events.begin() + static_cast<std::ptrdiff_t>(end), events.end());
        if (!rest.empty() && fails(rest)) {
            events = std::move(rest);
            dropped = true;
        } else {
            start = end;
        }
    }
    return dropped;
}

// fails(list) tells whether the list still fails the same way; the events given must.
template <typename Event>
std::vector<Event> ShrinkEvents(const std::vector<Event>& failing, auto&& fails)
{
    std::vector<Event> events = ShrinkTail(failing, fails);
    for (std::size_t chunk = std::max<std::size_t>(events.size() / 2, 1); chunk > 1; chunk /= 2)
        DropChunks(events, chunk, fails);
    while (DropChunks(events, 1, fails)) {
    }
    return events;
}

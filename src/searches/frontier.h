// The frontier of the best-first searches and of Jump Point Search.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace Searches {

// An entry of the best-first frontier, 16 bytes, ordered by two unsigned words: the priority's
// bits first (a double that is not negative orders as its bits do), then the cost's bits turned
// over, so that a tie goes to the larger cost (the square further along), then the smaller cell.
// Every run takes the same squares in the same order, and a comparison is two compares of words.
class FrontierEntry {
  public:
    FrontierEntry(double priority, float cost, std::uint32_t cell)
        : first(std::bit_cast<std::uint64_t>(priority)),
          second(std::uint64_t{~std::bit_cast<std::uint32_t>(cost)} << 32 | cell)
    {
    }
    double priority() const { return std::bit_cast<double>(first); }
    std::uint32_t cell() const { return static_cast<std::uint32_t>(second); }
    bool after(const FrontierEntry& other) const
    {
        return first > other.first || (first == other.first && second > other.second);
    }

  private:
    std::uint64_t first;
    std::uint64_t second;
};
// The best-first frontier: a binary heap whose top is the entry no other comes before.
class Frontier {
  public:
    bool empty() const { return entries.empty(); }
    void clear() { entries.clear(); }
    void push(FrontierEntry entry)
    {
        entries.push_back(entry);
        std::push_heap(entries.begin(), entries.end(), ComesAfter{});
    }
    FrontierEntry pop()
    {
        std::pop_heap(entries.begin(), entries.end(), ComesAfter{});
        const FrontierEntry top = entries.back();
        entries.pop_back();
        return top;
    }

  private:
    // An object, not a function, so that every comparison of the heap is inlined.
    struct ComesAfter {
        bool operator()(const FrontierEntry& a, const FrontierEntry& b) const { return a.after(b); }
    };
    std::vector<FrontierEntry> entries;
};

} // namespace Searches

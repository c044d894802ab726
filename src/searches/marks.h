// Where a query's squares stand: seen or not, expanded or not, at what cost, reached how.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "rules.h"

namespace Searches {

// Every padded cell's state: in 16 bits how it was reached in this query (the direction of the
// last step into it, the end of the search it belongs to), whether it was expanded, and the query it
// was written in; beside it, in 48 bits, its cost. A mark from an earlier query means "unseen", so a
// query clears nothing; only when the mark wraps is everything cleared. The 16 bits a square are
// what the searches test at every step, and for a 512 x 512 map they fit the processor's second
// cache; eight bytes a square in all keep a 4,096 x 4,096 map's workspace near 130 MB.
class Marks {
  public:
    // The marks as a search's loop reads and writes them: a copy of where they lie and of this
    // query's mark, local to the loop, so that no store into the marks makes it read them again.
    class View {
      public:
        bool seen(std::size_t cell) const { return marks[cell] >> MarkShift == mark; }
        bool expanded(std::size_t cell) const { return marks[cell] >> ExpandedShift == expandedMark; }
        int direction(std::size_t cell) const { return marks[cell] & DirectionMask; }
        int side(std::size_t cell) const { return marks[cell] >> SideShift & 1; }
        Cost cost(std::size_t cell) const
        {
            Cost cost;
            std::memcpy(&cost, &costs[CostBytes * cell],
                        sizeof cost); // the bytes after it are the next cell's
            return cost & CostMask;
        }

        void reach(std::size_t cell, Cost cost, int direction, int side = 0)
        {
            marks[cell] = static_cast<std::uint16_t>(mark << MarkShift | side << SideShift | direction);
            std::memcpy(&costs[CostBytes * cell], &cost, CostBytes); // little-endian: the low 48 bits
        }
        void expand(std::size_t cell) { marks[cell] |= 1 << ExpandedShift; }

      private:
        friend class Marks;
        View(std::uint16_t* marks, std::uint8_t* costs, std::uint32_t mark)
            : marks(marks), costs(costs), mark(mark), expandedMark(mark << 1 | 1)
        {
        }
        std::uint16_t* marks;
        std::uint8_t* costs;
        std::uint32_t mark;
        std::uint32_t expandedMark;
    };

    // Makes room for `cells` squares, all unseen.
    void fit(std::size_t cells);
    // Starts a query: every mark from an earlier one means "unseen" from now on.
    void begin();
    View view() { return View(marks.data(), costs.data(), mark); }

  private:
    static constexpr int DirectionMask = 7;
    static constexpr int SideShift = 3;
    static constexpr int ExpandedShift = 4;
    static constexpr int MarkShift = 5;
    static constexpr std::uint32_t LastMark = (1u << (16 - MarkShift)) - 1;
    static constexpr std::size_t CostBytes = 2 * CostBits / 8;
    static constexpr Cost CostMask = (Cost{1} << 2 * CostBits) - 1;

    std::vector<std::uint16_t> marks;
    std::vector<std::uint8_t> costs;
    std::uint32_t mark = 0;
};

} // namespace Searches

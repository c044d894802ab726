#include "benchmaps.h"

#include <algorithm>
#include <deque>
#include <random>

using Searches::Grid;
using Searches::Square;

namespace BenchMaps {

namespace {

void fill(Grid& grid, int x0, int y0, int x1, int y1, bool open)
{
    for (int y = std::max(y0, 0); y <= std::min(y1, grid.height() - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, grid.width() - 1); ++x)
            grid.setOpen({x, y}, open);
}

// Each open square's component, by flooding: the queries pick pairs within one.
std::vector<int> components(const Grid& grid)
{
    std::vector<int> label(static_cast<std::size_t>(grid.width() * grid.height()), -1);
    int next = 0;
    for (int i = 0; i < grid.width() * grid.height(); ++i) {
        if (label[i] >= 0 || !grid.open(grid.squareOf(i)))
            continue;
        std::deque<int> queue{i};
        label[i] = next;
        while (!queue.empty()) {
            const Square at = grid.squareOf(static_cast<Routeseer::SquareNumber>(queue.front()));
            queue.pop_front();
            for (const Square step : {Square{1, 0}, Square{-1, 0}, Square{0, 1}, Square{0, -1}}) {
                const Square to{at.x + step.x, at.y + step.y};
                if (grid.open(to) && label[grid.numberOf(to)] < 0) {
                    label[grid.numberOf(to)] = next;
                    queue.push_back(static_cast<int>(grid.numberOf(to)));
                }
            }
        }
        ++next;
    }
    return label;
}

} // namespace

Grid gameMap(unsigned seed, int side)
{
    std::mt19937 draw(seed);
    Grid grid(side, side);
    fill(grid, 1, 1, side - 2, side - 2, true);
    const auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(draw);
    };
    const int areas = (side / Side) * (side / Side);
    for (int i = 0; i < 70 * areas; ++i) { // buildings
        const int x = uniform(0, side), y = uniform(0, side);
        fill(grid, x, y, x + uniform(6, 40), y + uniform(6, 40), false);
    }
    for (int i = 0; i < 60 * areas; ++i) { // rocks
        const int cx = uniform(0, side), cy = uniform(0, side), r = uniform(3, 18);
        for (int y = cy - r; y <= cy + r; ++y)
            for (int x = cx - r; x <= cx + r; ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
                    grid.setOpen({x, y}, false);
    }
    for (int i = 0; i < 12 * areas; ++i) { // long walls with gaps
        const bool across = uniform(0, 1) == 1;
        const int at = uniform(20, side - 20), from = uniform(0, side - Side / 2),
                  length = uniform(Side / 4, Side / 2);
        for (int k = from; k < from + length; ++k)
            if (k % 60 > 8)
                grid.setOpen(across ? Square{k, at} : Square{at, k}, false);
    }
    return grid;
}

Grid maze(int corridor, unsigned seed)
{
    std::mt19937 draw(seed);
    const int pitch = 2 * corridor, cells = Side / pitch;
    Grid grid(Side, Side);
    std::vector<char> seen(static_cast<std::size_t>(cells * cells), 0);
    std::vector<int> stack{0};
    seen[0] = 1;
    const auto open = [&](int cx, int cy) {
        fill(grid, cx * pitch, cy * pitch, cx * pitch + corridor - 1, cy * pitch + corridor - 1, true);
    };
    open(0, 0);
    while (!stack.empty()) { // depth-first carving
        const int cell = stack.back(), cx = cell % cells, cy = cell / cells;
        std::vector<int> next;
        for (const Square step : {Square{1, 0}, Square{-1, 0}, Square{0, 1}, Square{0, -1}}) {
            const int nx = cx + step.x, ny = cy + step.y;
            if (nx >= 0 && ny >= 0 && nx < cells && ny < cells && !seen[ny * cells + nx])
                next.push_back(ny * cells + nx);
        }
        if (next.empty()) {
            stack.pop_back();
            continue;
        }
        const int chosen = next[draw() % next.size()], nx = chosen % cells, ny = chosen / cells;
        seen[chosen] = 1;
        open(nx, ny);
        fill(grid, std::min(cx, nx) * pitch, std::min(cy, ny) * pitch,
             std::max(cx, nx) * pitch + corridor - 1, std::max(cy, ny) * pitch + corridor - 1, true);
        stack.push_back(chosen);
    }
    return grid;
}

Grid rooms(int room, unsigned seed)
{
    std::mt19937 draw(seed);
    Grid grid(Side, Side);
    fill(grid, 0, 0, Side - 1, Side - 1, true);
    const int pitch = room + 1;
    for (int line = room; line < Side; line += pitch) {
        fill(grid, line, 0, line, Side - 1, false);
        fill(grid, 0, line, Side - 1, line, false);
    }
    // A door in most walls between two rooms; some walls go altogether.
    for (int wallAt = room; wallAt < Side; wallAt += pitch)
        for (int along = 0; along < Side; along += pitch)
            for (bool across : {false, true}) {
                const unsigned roll = draw() % 8;
                if (roll == 0)
                    continue;
                const int door = along + int(draw() % unsigned(room));
                const int width = roll == 7 ? room : 1;
                if (across)
                    fill(grid, wallAt, door, wallAt, std::min(door + width - 1, along + room - 1), true);
                else
                    fill(grid, door, wallAt, std::min(door + width - 1, along + room - 1), wallAt, true);
            }
    return grid;
}

Grid randomWalls(int percent, unsigned seed)
{
    std::mt19937 draw(seed);
    Grid grid(Side, Side);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            grid.setOpen({x, y}, int(draw() % 100) >= percent);
    return grid;
}

std::vector<Kind> kinds()
{
    std::vector<Kind> all;
    all.push_back({"game", gameMap(1)});
    all.push_back({"maze1", maze(1, 2)});
    all.push_back({"maze8", maze(8, 3)});
    all.push_back({"rooms16", rooms(16, 4)});
    all.push_back({"random10", randomWalls(10, 5)});
    all.push_back({"random40", randomWalls(40, 6)});
    return all;
}

std::vector<Query> queries(const Grid& grid, int count, unsigned seed)
{
    std::mt19937 draw(seed);
    const std::vector<int> label = components(grid);
    std::vector<Query> chosen;
    const auto anySquare = [&] {
        return Square{int(draw() % unsigned(grid.width())), int(draw() % unsigned(grid.height()))};
    };
    while (static_cast<int>(chosen.size()) < count) {
        const Square a = anySquare(), b = anySquare();
        if (grid.open(a) && grid.open(b) && a != b && label[grid.numberOf(a)] == label[grid.numberOf(b)])
            chosen.push_back({a, b});
    }
    return chosen;
}

} // namespace BenchMaps

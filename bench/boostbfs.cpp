#include "boostbfs.h"

#include <algorithm>
#include <utility>

#include <boost/graph/breadth_first_search.hpp>
#include <boost/graph/visitors.hpp>
#include <boost/property_map/property_map.hpp>

namespace Bench {

namespace {

using namespace Routeseer;

struct TargetFound {};

template <typename Vertex> struct StopAtTarget {
    using event_filter = boost::on_discover_vertex;
    Vertex target;
    template <typename Graph> void operator()(Vertex vertex, const Graph&) const
    {
        if (vertex == target)
            throw TargetFound{};
    }
};

constexpr int NoVertex = -1;

} // namespace

BoostSearch::BoostSearch(const SearchCase& searchCase)
{
    // Vertices are numbered in square order and each one's edges follow the neighbour order, so
    // the edge list is already sorted and the flood discovers squares in findpath's order.
    std::vector<int> vertexOf(SquareCount, NoVertex);
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            if (searchCase.open(x, y)) {
                vertexOf[x + GridSide * y] = static_cast<int>(squareOf.size());
                squareOf.emplace_back(x, y);
            }
    std::vector<std::pair<Vertex, Vertex>> edges;
    for (Vertex from = 0; from < squareOf.size(); ++from)
        for (int i = 0; i < NeighbourCount; ++i) {
            const int nx = squareOf[from].first + NeighbourDx[i];
            const int ny = squareOf[from].second + NeighbourDy[i];
            if (onMap(nx, ny) && vertexOf[nx + GridSide * ny] != NoVertex)
                edges.emplace_back(from, static_cast<Vertex>(vertexOf[nx + GridSide * ny]));
        }
    const auto vertexCount = static_cast<Vertex>(squareOf.size());
    graph = Graph(boost::edges_are_sorted, edges.begin(), edges.end(), vertexCount);
    source = static_cast<Vertex>(vertexOf[searchCase.start.x + GridSide * searchCase.start.y]);
    target = static_cast<Vertex>(vertexOf[searchCase.target.x + GridSide * searchCase.target.y]);
    predecessor.resize(vertexCount);
    colour.resize(vertexCount);
}

Route BoostSearch::search()
{
    // breadth_first_search paints every vertex white before it starts: that is this contender's
    // reset. The predecessors need none, as the walk back reads only entries this search wrote.
    const auto index = get(boost::vertex_index, graph);
    auto predecessors = boost::make_iterator_property_map(predecessor.begin(), index);
    const auto visitor = boost::make_bfs_visitor(std::make_pair(
        boost::record_predecessors(predecessors, boost::on_tree_edge()), StopAtTarget<Vertex>{target}));
    try {
        boost::breadth_first_search(
            graph, source,
            boost::visitor(visitor).color_map(boost::make_iterator_property_map(colour.begin(), index)));
        return {};
    } catch (const TargetFound&) {
    }
    Route route;
    for (Vertex vertex = target; vertex != source; vertex = predecessor[vertex])
        route.push_back(squareOf[vertex]);
    route.push_back(squareOf[source]);
    std::reverse(route.begin(), route.end());
    return route;
}

} // namespace Bench

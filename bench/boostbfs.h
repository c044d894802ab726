// The Boost Graph Library's breadth_first_search over the open squares of one map, each joined
// to its open eight neighbours. The graph is built once; a search times only the flood and the
// walk back along the predecessors.
#pragma once

#include <cstdint>
#include <vector>

#include <boost/graph/compressed_sparse_row_graph.hpp>
#include <boost/graph/properties.hpp>

#include "benchcases.h"
#include "route.h"

namespace Bench {

class BoostSearch {
  public:
    explicit BoostSearch(const SearchCase& searchCase);

    // Stops as soon as the finish is discovered, like findpath, by throwing out of the search
    // from a visitor; on a sealed map the whole flood runs.
    Route search();

  private:
    using Vertex = std::uint32_t;
    using Graph = boost::compressed_sparse_row_graph<boost::directedS, boost::no_property, boost::no_property,
                                                     boost::no_property, Vertex, Vertex>;

    std::vector<Square> squareOf; // vertex -> square
    Graph graph;
    Vertex source;
    Vertex target;
    std::vector<Vertex> predecessor;
    std::vector<boost::default_color_type> colour;
};

} // namespace Bench

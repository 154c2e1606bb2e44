// What tolm-explore prints: the report for authors and CI, and the scene graph for Graphviz.
#pragma once

#include <ostream>

#include "tools/explore/findings.h"

namespace tolm::explore {

void writeReport(std::ostream& out, const Exploration& x, const Findings& f, double exploreMilliseconds);

// Scenes are states collapsed by story text and visible choices; the edges are the clicks between them.
void writeDot(std::ostream& out, const Exploration& x, const Findings& f);

}  // namespace tolm::explore

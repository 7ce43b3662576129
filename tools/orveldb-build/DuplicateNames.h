#pragma once

#include "BuiltPlace.h"

#include <vector>

namespace orvel {

// Keeps places of one country that share a name apart in the city list, as atlases
// do: by where they lie. Names count as the same when their sort keys are equal. Of
// such places the most populous keeps its name; every other one gets its region's
// name in brackets, "Newport (Queensland)", where no other place of that name lies in
// that region; else the region and the district, "Stoneville (Western Australia,
// Mundaring)", where those are unique; else the coordinates after them as the last
// resort. A name that already ends in a bracket takes the label inside it, so
// brackets never nest. A place whose name and coordinates (to the
// second) both repeat another's is the same place listed twice and is dropped.
class DuplicateNames {
public:
    // Renames within `places` and removes the repeated ones; returns how many were removed.
    static int keepApart(std::vector<BuiltPlace> &places);
};

} // namespace orvel

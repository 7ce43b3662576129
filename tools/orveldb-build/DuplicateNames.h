#pragma once

#include "BuiltPlace.h"

#include <vector>

namespace orvel {

// Keeps places of one country that share a name apart in the city list. Names count
// as the same when their sort keys are equal. Of such places the most populous keeps
// its name; every other one is named after the nearest more populous place of the
// country with a different name: "Neustadt (near Coburg)". Where that is not enough
// (no such place, or the result is taken), the coordinates are added:
// "Neustadt (near Coburg, 50°19'21''N 11°07'29''E)". A place whose name and
// coordinates (to the second) both repeat another's is the same place listed twice
// and is dropped.
class DuplicateNames {
public:
    // Renames within `places` and removes the repeated ones; returns how many were removed.
    static int keepApart(std::vector<BuiltPlace> &places);
};

} // namespace orvel

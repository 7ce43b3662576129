#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace orvel {

// The first line of a place file or time table: entries of a label and the position
// of its first record in the whole text, each followed by a blank ("A23 B480 ",
// "1_19 2_153 "), then CR LF. Positions count from the start of the file, index line
// included, so the line's own length is found by iterating until it is stable.
class IndexLine {
public:
    // `entries`: each label with the position of its records within the text that
    // follows the index line.
    static QString build(const std::vector<std::pair<QString, qsizetype>> &entries);
};

} // namespace orvel

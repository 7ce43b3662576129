#pragma once

#include "placedb/CountryRecord.h"

#include <list>
#include <optional>
#include <utility>
#include <vector>

namespace orvel {

// The order in which countries are offered: a group of the home-market codes first,
// then every other country by the sort key of its name, equal keys in file order.
// "USA" itself is not offered. The group is built with two marks, A and B, exactly
// as the files' readers have always done, so that its order depends on the file
// order as users know it: US state codes ("US..."), then GBE, NIR, SCO, WL, AUS,
// CDN, ZA for a file that lists AUS, CDN, GBE, NIR, SCO, US..., WL, ZA.
class CountryOrder {
public:
    // Places one record read from the country file, in file order.
    void add(CountryRecord record);
    // The arranged list; the order is empty afterwards.
    std::vector<CountryRecord> take();

private:
    using Group = std::list<CountryRecord>;

    Group::iterator before(const std::optional<Group::iterator> &mark);
    Group::iterator after(const std::optional<Group::iterator> &mark);

    Group m_group;
    std::optional<Group::iterator> m_markA;
    std::optional<Group::iterator> m_markB;
    std::vector<std::pair<QString, CountryRecord>> m_others; // with their sort keys
};

} // namespace orvel

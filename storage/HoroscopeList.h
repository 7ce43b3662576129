#pragma once

#include "engine/HoroscopeRecord.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

namespace orvel {

// The rules of the stored horoscope list, the same in both programs. The list holds
// at least MinimumSize records, since Radix I and Radix II need one each; a new record
// goes first and the one it displaces to the end; a record is deleted only while more
// than MinimumSize are stored. Works on a list it does not own.
class HoroscopeList {
public:
    static constexpr std::size_t MinimumSize = 2;

    // `records` must outlive the object.
    explicit HoroscopeList(std::vector<HoroscopeRecord> &records) : m_records(records) {}

    // Appends new records named `name`, dated `now` and without a place, until the
    // list holds MinimumSize.
    void fill(const QString &name, const DateTime &now);
    // Puts `record` first; the record it displaces goes to the end.
    void add(HoroscopeRecord record);
    // Deletes the record at `index` when the rules allow it and `confirm` (when given)
    // agrees; it is asked only then. False when nothing was deleted.
    bool remove(std::size_t index, const std::function<bool()> &confirm = {});

private:
    std::vector<HoroscopeRecord> &m_records;
};

} // namespace orvel

// The table of one piece set as Combine sees it: for every piece number,
// whether a piece was found, under which name, how long it is and whether its
// size is wrong. Numbers run from 1; asking about a number outside the table
// answers "not present", which is what the list and gap rules want at the ends.
#pragma once

#include <QString>
#include <vector>

namespace tsl {

struct PartRecord {
    bool Present = false;
    QString Path;  // full path under which the piece was found
    qint64 Size = 0;
    bool WrongSize = false;
    bool Damaged = false;  // its checksum differs from its line in the set's checksum file
};

class PartTable {
public:
    // Empties the table and sizes it 1..upper, every record clear.
    void reset(qint64 upper);
    // Grows (or shrinks) the table to 1..upper, keeping the records it holds.
    void resize(qint64 upper);
    qint64 upper() const { return qint64(records_.size()); }

    // Piece i, 1 <= i <= upper().
    PartRecord& operator[](qint64 i) { return records_[size_t(i - 1)]; }
    const PartRecord& operator[](qint64 i) const { return records_[size_t(i - 1)]; }

    // Whether piece i was found; false for numbers outside the table.
    bool present(qint64 i) const { return i >= 1 && i <= upper() && (*this)[i].Present; }

private:
    std::vector<PartRecord> records_;
};

// The highest piece number that is present, 0 if none. With stopAtGap the
// scan ends at the first absent number: the last piece of the unbroken run
// that starts at 1 (0 when piece 1 is absent).
qint64 LastPresentPart(const PartTable& table, bool stopAtGap);

// The highest present piece number not above limit, 0 if none.
qint64 lastPresentUpTo(const PartTable& table, qint64 limit);

}  // namespace tsl

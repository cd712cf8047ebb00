#pragma once

#include "shared/capture_byte.h"
#include "shared/prepared_text.h"

#include <cstddef>
#include <iterator>

namespace orvant {

// The 1055 rows of the byte table list, row i for the pair Nr. 2i + 1. Only
// the pairs are kept: a row is written when it is read, straight into
// whatever shows it. Blank rows until the first conversion.
class ListRows
{
public:
    class Iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = ListRow;
        using difference_type = std::ptrdiff_t;

        Iterator(const ListRows &rows, std::size_t i)
            : rows_(&rows)
            , i_(i)
        {
        }
        ListRow operator*() const { return rows_->at(i_); }
        Iterator &operator++()
        {
            ++i_;
            return *this;
        }
        bool operator==(const Iterator &) const = default;

    private:
        const ListRows *rows_;
        std::size_t i_;
    };

    // Throws std::out_of_range for i outside 0 to 1054.
    ListRow at(std::size_t i) const;
    ListRow back() const { return at(size() - 1); }
    static constexpr std::size_t size() { return kPairCount; }
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, size()}; }

    // The rows of the pairs of `pairs` as the table shows them.
    void write(const PreparedText &pairs);

private:
    PreparedText pairs_;
    bool written_ = false;
};

// Builds entry Nr. of the table, rowText included, from the pair at Nr. of the
// text, and the entry's list row when one is asked for.
void convertPair(const PreparedText &text, int nr, CaptureByte &entry, ListRow *row = nullptr);

// Converts all 1055 pairs (Nr. 1, 3, ..., 2109) into the table and, when
// given, the list rows; the entries between them (Nr. 2, 4, ..., 2110) are
// blank: the table is then what a reset and the conversion leave.
void buildByteTable(const PreparedText &text, ByteTable &table, ListRows *rows = nullptr);

} // namespace orvant

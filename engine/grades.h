#pragma once
// The seventeen compatibility tables. A grade 0..3 says how well a candidate
// group (last index) fits after, or beside, the group(s) of the leading
// indexes; entries never written read 0.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zoravina {

enum class TableId {
    fitBB2, fitDD2, fitBB3, fitDD3, fitBB4, fitDD4,
    fitBD1, fitDB2, fitBD2, fitDB3, fitBD3, fitDB4, fitBD4,
    fitBB, fitDD, fitDB, fitBD,
};
inline constexpr int kTableCount = 17;

struct TableShape {
    TableId id;
    std::string_view name;
    int rank;                      // 2 or 3
    std::array<int, 3> extents;    // declared extents, index 0 included
};

// Every table's name and extents, in one place.
inline constexpr std::array<TableShape, kTableCount> kTableShapes{{
    {TableId::fitBB2, "fitBB2", 2, {6, 9, 0}},
    {TableId::fitDD2, "fitDD2", 2, {9, 6, 0}},
    {TableId::fitBB3, "fitBB3", 3, {6, 11, 41}},
    {TableId::fitDD3, "fitDD3", 3, {8, 11, 41}},
    {TableId::fitBB4, "fitBB4", 2, {41, 26, 0}},
    {TableId::fitDD4, "fitDD4", 2, {41, 33, 0}},
    {TableId::fitBD1, "fitBD1", 2, {8, 9, 0}},
    {TableId::fitDB2, "fitDB2", 2, {9, 9, 0}},
    {TableId::fitBD2, "fitBD2", 2, {9, 6, 0}},
    {TableId::fitDB3, "fitDB3", 2, {6, 41, 0}},
    {TableId::fitBD3, "fitBD3", 2, {41, 41, 0}},
    {TableId::fitDB4, "fitDB4", 2, {41, 29, 0}},
    {TableId::fitBD4, "fitBD4", 2, {41, 31, 0}},
    {TableId::fitBB, "fitBB", 3, {26, 31, 31}},
    {TableId::fitDD, "fitDD", 3, {26, 31, 31}},
    {TableId::fitDB, "fitDB", 3, {26, 31, 31}},
    {TableId::fitBD, "fitBD", 3, {26, 31, 31}},
}};

const TableShape& tableShape(TableId id);
// Where the row of the leading indexes (rank - 1 of them) starts among a
// table's cells; throws IndexError outside the extents.
std::size_t gradeRowStart(const TableShape& shape, std::span<const int> leading);
std::optional<TableId> tableByName(std::string_view name);

class GradeTable {
public:
    explicit GradeTable(const TableShape& shape);

    const TableShape& shape() const { return *shape_; }
    int at(int row, int column) const;
    int at(int first, int second, int column) const;
    // Entry by a full index list (rank entries); used by the dump and tests.
    int at(std::span<const int> index) const;
    void set(std::span<const int> index, int grade);
    // The row fixed by the leading indexes (rank - 1 of them), column 0 first.
    std::span<std::int8_t> row(std::span<const int> leading);
    std::span<const std::int8_t> row(std::span<const int> leading) const;
    std::span<const std::int8_t> cells() const { return cells_; }
    // Writes grades from a row start found by rowStart, skipping column 0.
    void writeRow(std::size_t start, std::span<const std::int8_t> grades);
    std::uint64_t revision() const { return revision_; }

private:
    std::size_t rowOffset(std::span<const int> leading) const;
    const TableShape* shape_;
    std::vector<std::int8_t> cells_;
    std::uint64_t revision_ = 0;
};

class GradeTables {
public:
    GradeTables();
    GradeTable& operator[](TableId id) { return tables_[static_cast<int>(id)]; }
    const GradeTable& operator[](TableId id) const { return tables_[static_cast<int>(id)]; }
    auto begin() const { return tables_.begin(); }
    auto end() const { return tables_.end(); }
    // Changes with every write to any table.
    std::uint64_t revision() const;

private:
    std::vector<GradeTable> tables_;
};

// Writes one row from a string of the digits "0".."3": column k gets the k-th
// digit, columns beyond the string keep their value. Throws IndexError for
// indexes or a length outside the table, std::invalid_argument for a
// character that is not a grade digit.
void setGradeRow(GradeTables& tables, TableId table, std::span<const int> leading, std::string_view digits);

} // namespace zoravina

#include "grades.h"

#include "grid.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zoravina {

const TableShape& tableShape(TableId id)
{
    return kTableShapes[static_cast<int>(id)];
}

std::optional<TableId> tableByName(std::string_view name)
{
    for (const TableShape& shape : kTableShapes)
        if (shape.name == name)
            return shape.id;
    return std::nullopt;
}

namespace {
void checkIndex(int index, int extent)
{
    if (index < 0 || index >= extent)
        throw IndexError("grade index " + std::to_string(index) + " outside 0.." + std::to_string(extent - 1));
}
} // namespace

GradeTable::GradeTable(const TableShape& shape) : shape_(&shape)
{
    std::size_t size = 1;
    for (int d = 0; d < shape.rank; ++d)
        size *= static_cast<std::size_t>(shape.extents[d]);
    cells_.assign(size, 0);
}

std::size_t gradeRowStart(const TableShape& shape, std::span<const int> leading)
{
    if (static_cast<int>(leading.size()) != shape.rank - 1)
        throw IndexError("wrong number of row indexes for " + std::string(shape.name));
    std::size_t offset = 0;
    for (int d = 0; d < shape.rank - 1; ++d) {
        checkIndex(leading[d], shape.extents[d]);
        offset = offset * shape.extents[d] + static_cast<std::size_t>(leading[d]);
    }
    return offset * static_cast<std::size_t>(shape.extents[shape.rank - 1]);
}

std::size_t GradeTable::rowOffset(std::span<const int> leading) const
{
    return gradeRowStart(*shape_, leading);
}

int GradeTable::at(int row, int column) const
{
    const int index[] = {row, column};
    return at(index);
}

int GradeTable::at(int first, int second, int column) const
{
    const int index[] = {first, second, column};
    return at(index);
}

int GradeTable::at(std::span<const int> index) const
{
    if (static_cast<int>(index.size()) != shape_->rank)
        throw IndexError("wrong number of indexes for " + std::string(shape_->name));
    const int column = index.back();
    checkIndex(column, shape_->extents[shape_->rank - 1]);
    return cells_[rowOffset(index.first(index.size() - 1)) + static_cast<std::size_t>(column)];
}

void GradeTable::set(std::span<const int> index, int grade)
{
    ++revision_;
    const int column = index.back();
    checkIndex(column, shape_->extents[shape_->rank - 1]);
    cells_[rowOffset(index.first(index.size() - 1)) + static_cast<std::size_t>(column)] = static_cast<std::int8_t>(grade);
}

std::span<std::int8_t> GradeTable::row(std::span<const int> leading)
{
    ++revision_;
    return std::span<std::int8_t>(cells_).subspan(rowOffset(leading),
                                                  static_cast<std::size_t>(shape_->extents[shape_->rank - 1]));
}

std::span<const std::int8_t> GradeTable::row(std::span<const int> leading) const
{
    return std::span<const std::int8_t>(cells_).subspan(rowOffset(leading),
                                                        static_cast<std::size_t>(shape_->extents[shape_->rank - 1]));
}

void GradeTable::writeRow(std::size_t start, std::span<const std::int8_t> grades)
{
    const std::size_t columns = static_cast<std::size_t>(shape_->extents[shape_->rank - 1]);
    if (grades.size() >= columns || start + columns > cells_.size())
        throw IndexError("grade row outside the table");
    ++revision_;
    std::copy(grades.begin(), grades.end(), cells_.begin() + static_cast<std::ptrdiff_t>(start + 1));
}

GradeTables::GradeTables()
{
    tables_.reserve(kTableCount);
    for (const TableShape& shape : kTableShapes)
        tables_.emplace_back(shape);
}

std::uint64_t GradeTables::revision() const
{
    std::uint64_t sum = 0;
    for (const GradeTable& table : tables_)
        sum += table.revision();
    return sum;
}

void setGradeRow(GradeTables& tables, TableId table, std::span<const int> leading, std::string_view digits)
{
    std::span<std::int8_t> row = tables[table].row(leading);
    if (digits.size() >= row.size())
        throw IndexError("grade row longer than the table's columns");
    for (char digit : digits)
        if (digit < '0' || digit > '3')
            throw std::invalid_argument("grade digit must be 0..3");
    for (std::size_t k = 0; k < digits.size(); ++k)
        row[k + 1] = static_cast<std::int8_t>(digits[k] - '0');
}

} // namespace zoravina

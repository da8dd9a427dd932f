#pragma once
// Fixed-extent arrays whose every access is bounds-checked: an index outside
// the declared extent is a fault of the content data and must surface as an
// error the commands can report, never as a silent out-of-bounds read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zoravina {

class IndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

template <class T, std::size_t... Extents>
class Grid {
public:
    static constexpr std::size_t rank = sizeof...(Extents);
    static constexpr std::array<std::size_t, rank> extents{Extents...};
    static constexpr std::size_t cellCount = (Extents * ...);

    // Every mutable access counts as a change: a cache keyed on revision()
    // can only be invalidated too often, never too rarely.
    template <class... I>
    T& operator()(I... index)
    {
        ++revision_;
        return cells_[offset(index...)];
    }
    template <class... I>
    const T& operator()(I... index) const { return cells_[offset(index...)]; }

    // The run of the last dimension at the given leading indexes.
    template <class... I>
    std::span<T> lastDimension(I... leading)
    {
        ++revision_;
        return std::span<T>(cells_).subspan(offset(leading..., 0), extents[rank - 1]);
    }
    template <class... I>
    std::span<const T> lastDimension(I... leading) const
    {
        return std::span<const T>(cells_).subspan(offset(leading..., 0), extents[rank - 1]);
    }

    void fill(const T& value)
    {
        ++revision_;
        cells_.assign(cellCount, value);
    }
    std::uint64_t revision() const { return revision_; }

private:
    template <class... I>
    std::size_t offset(I... index) const
    {
        static_assert(sizeof...(I) == rank, "wrong number of indexes");
        const std::array<long long, rank> ix{static_cast<long long>(index)...};
        std::size_t result = 0;
        for (std::size_t d = 0; d < rank; ++d) {
            if (ix[d] < 0 || ix[d] >= static_cast<long long>(extents[d])) [[unlikely]]
                outside(ix[d], extents[d]);
            result = result * extents[d] + static_cast<std::size_t>(ix[d]);
        }
        return result;
    }

    // Out of line, so that the checked access itself stays small enough to inline.
    [[noreturn, gnu::cold, gnu::noinline]] static void outside(long long index, std::size_t extent)
    {
        throw IndexError("index " + std::to_string(index) + " outside 0.." + std::to_string(extent - 1));
    }

    std::vector<T> cells_ = std::vector<T>(cellCount);
    std::uint64_t revision_ = 0;
};

} // namespace zoravina

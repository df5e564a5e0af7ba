#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// One period (the pixels of a line, the lines of a frame) laid along the x
// axis between the positions where something happens. Each stretch between
// two such positions is drawn in proportion, but at least kMinStretch wide
// so that a pulse of one pixel stays visible; what the short stretches gain
// the longest one gives up, and it is then drawn broken.
namespace k7r::diagrams {

inline constexpr int kMinStretch = 24;

class PeriodAxis {
  public:
    // The positions in any order and with repeats; 0 is always one of them.
    PeriodAxis(std::vector<std::uint32_t> positions, int left, int right);

    // x of a position given as num / den units; positions beyond the last
    // one are drawn at the right end.
    int X(std::uint64_t num, std::uint64_t den = 1) const;

    std::size_t StretchCount() const { return starts_.size() - 1; }
    std::uint32_t StretchStart(std::size_t stretch) const { return starts_[stretch]; }
    std::uint32_t StretchEnd(std::size_t stretch) const { return starts_[stretch + 1]; }
    int Width(std::size_t stretch) const { return xs_[stretch + 1] - xs_[stretch]; }
    std::uint32_t End() const { return starts_.back(); }
    // The stretch drawn shorter than its share, to be marked with a break.
    std::optional<std::size_t> Broken() const { return broken_; }

  private:
    std::vector<std::uint32_t> starts_;
    std::vector<int> xs_;
    std::optional<std::size_t> broken_;
};

} // namespace k7r::diagrams

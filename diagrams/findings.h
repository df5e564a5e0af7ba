#pragma once

#include "diagrams/picture.h"
#include "regs/validation.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

namespace k7r::diagrams {

// The validation's errors and warnings that name a setting a picture shows,
// in the order the diagnostics pane shows them.
class Findings {
  public:
    Findings(config::WorkingConfig& config, std::span<const std::uint32_t> shown);

    // A setting that some finding names is drawn marked.
    bool Flag(std::initializer_list<std::uint32_t> ids) const;
    Ink InkFor(std::initializer_list<std::uint32_t> ids, Ink otherwise = Ink::Text) const {
        return Flag(ids) ? Ink::Flagged : otherwise;
    }

    // The findings' texts from `top` down, each wrapped to the picture's
    // width less its margins; returns the bottom of the last line.
    int AddTexts(Picture& picture, int margin, int top) const;

  private:
    std::vector<regs::Finding> findings_;
};

} // namespace k7r::diagrams

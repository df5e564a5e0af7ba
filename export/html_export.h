#pragma once

#include <string>

// A generated file, built in memory with LF line ends.
namespace k7r::exporter {

// "k7r58c22.html": the register quick reference; it depends on the register
// and field tables only.
std::string ExportHtml(unsigned build);

} // namespace k7r::exporter

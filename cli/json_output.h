#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string_view>

namespace k7r::config {
struct WorkingConfig;
} // namespace k7r::config

// What --json prints: one document on standard output, keys in the order
// the README documents them.
namespace k7r::cli {

using Json = nlohmann::ordered_json;

// Two-space indented, with a final newline. Bytes that are not UTF-8 (a
// description typed in another code page) become U+FFFD.
void PrintJson(const Json& document);

// The messages of a text the pages show (diagnostics, notes, warnings), one
// object each: {"severity": "error" | "warning" | "note" | "info", "text"},
// the text without its "ERROR: ", "Warning: " or "NOTE: ". A line without
// such a prefix continues the message before it, or is an "info" of its own.
Json MessagesJson(std::string_view text);

// {"id", "name" (the short name), "value" (the number), "text" (as shown)}.
Json SettingJson(config::WorkingConfig& config, std::uint32_t id);

} // namespace k7r::cli

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace k7r::cfgui {

// The utility's revision; its number is the build shown in the title, the
// About box and generated files.
inline constexpr const char* kUtilityRevision = " $Revision: 17 $";
std::uint32_t UtilityBuild();

// "K7R58C22 Configuration Utility  (Build 17)", behind "NAME.EXT - " of the
// current file when there is one.
std::string WindowTitle(std::string_view currentPath);

// The file's name and extension without its directory.
std::string_view FileNamePart(std::string_view path);
// The name's extension without its dot; empty when it has none.
std::string_view FileExtension(std::string_view path);

} // namespace k7r::cfgui

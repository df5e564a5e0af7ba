#pragma once

#include "config/hal_struct.h"
#include "config/working_config.h"
#include "platform/file.h"

#include <functional>
#include <string>
#include <string_view>

namespace k7r::containers {

// Where the container core's failure messages go: the utility shows them in
// "58C22CFG" message boxes, the command line prints them. The core itself
// never talks to the user.
using MessageSink = std::function<void(const std::string& text)>;

// Case-insensitive comparison with the end of the path.
bool HasExtension(std::string_view path, std::string_view extension);

// Whether the path ends with one of the extensions of the files that can
// carry a record. Others are refused before the file is touched.
bool HasAcceptedExtension(std::string_view path);

// Adopts the file's record as the working configuration. On failure shows
// why and leaves config unchanged. A file that another program of this kit
// is saving at the moment is refused, never read half-written. version, when
// given, gets the version of the file the record was read from, for
// SaveOpenedConfigFile.
bool OpenConfigFile(const std::string& path, config::WorkingConfig& config, const MessageSink& show,
                    platform::FileVersion* version = nullptr);

// What became of reading a file's record.
enum class RecordRead {
    Adopted,
    // The file holds no record that can be adopted: none, several, one
    // unconfigured or corrupted, a damaged container, or nothing at all.
    NoRecord,
    // The file itself cannot be read: not of an accepted kind, missing, not
    // a regular file, in use.
    Unreadable,
};

// OpenConfigFile for programs that compare records and must tell the two
// failures apart. reason gets why, in the words OpenConfigFile shows after
// its heading.
RecordRead ReadConfigFile(const std::string& path, config::WorkingConfig& config,
                          std::string& reason, platform::FileVersion* version = nullptr);

// The file's record exactly as stored, its CRC not checked, for programs
// that report on records rather than adopt them. On failure shows why, in
// the words of OpenConfigFile.
bool InspectConfigFile(const std::string& path, HAL_STRUCT& stored, const MessageSink& show);

// Writes the working record into the record of a file: into source itself
// when target is empty or names the same file, else into a copy of source
// made under the target name, which replaces what is there once it is
// complete. Shows nothing on success. On failure shows why and leaves every
// file as it was, content and times: whatever stops a save (a full disk, a
// killed process, a second save of the same file, which is refused at
// once) the file holds either its old content or the new, never a mix.
bool SaveConfigFile(const std::string& source, const std::string& target, const HAL_STRUCT& working,
                    bool preserveAddresses, const MessageSink& show);

// What became of SaveOpenedConfigFile.
enum class OpenedFileSave {
    Saved,
    // Another program changed the file, or put another in its place, after
    // its record was read: writing the record into it would undo that
    // program's work unseen.
    ChangedOnDisk,
    // Any other failure, a file that no longer exists among them.
    Failed,
};

// SaveConfigFile (addresses not preserved) for a program that keeps the
// file it read open: version is the version of source that was read, and a
// save into source itself refuses any other and does not make a removed
// file again. On success version becomes the version of the file written,
// source or the copy, for the next save to expect.
OpenedFileSave SaveOpenedConfigFile(const std::string& source, const std::string& target,
                                    platform::FileVersion& version, const HAL_STRUCT& working,
                                    const MessageSink& show);

} // namespace k7r::containers

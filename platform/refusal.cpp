#include "platform/refusal.h"

#include "platform/system_error.h"

namespace k7r::platform {

std::string_view RefusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::Directory:
        return "The path names a directory, not a file.";
    case Refusal::Fifo:
        return "The path names a FIFO (named pipe), not a file.";
    case Refusal::Device:
        return "The path names a device, not a file.";
    case Refusal::Socket:
        return "The path names a socket, not a file.";
    case Refusal::InUse:
        return "Another program is reading or saving the file at this moment.";
    case Refusal::ChangedWhileRead:
        return "Another program shortened the file while it was being read.";
    }
    return {};
}

} // namespace k7r::platform

#include "export/output_file.h"

#include "export/text_format.h"

#include <cstdio>

namespace k7r {

std::string ToCrLf(std::string_view text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    char previous = '\0';
    for (const char c : text) {
        if (c == '\n' && previous != '\r') {
            converted += '\r';
        }
        converted += c;
        previous = c;
    }
    return converted;
}

bool WriteOutputFile(const std::string& path, std::string_view data, std::string& message) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = false;
    if (file != nullptr) {
        written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
        written = std::fclose(file) == 0 && written;
        if (!written) {
            std::remove(path.c_str());
        }
    }
    if (!written) {
        message = Printf("Failed to create file %s", path.c_str());
    }
    return written;
}

bool RunExport(const ExportKind& kind, WorkingConfig& config, const ExportOptions& options,
               const std::string& path, std::string& message) {
    return WriteOutputFile(path, ToCrLf(kind.generate(config, options)), message);
}

} // namespace k7r

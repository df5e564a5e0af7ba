#include "bench/plain_image.h"

#include "config/default_records.h"
#include "platform/file_scan.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace k7r::bench {

const std::string& PlainImagePath() {
    static const std::string path = [] {
        const std::string file = std::string(K7R_BINARY_DIR) + "/bench/plain_256m.exe";
        if (std::filesystem::exists(file) && std::filesystem::file_size(file) == kPlainImageSize) {
            return file;
        }
        std::vector<std::uint8_t> bytes(kPlainImageSize);
        std::uint32_t state = 2463534242u;
        for (std::uint8_t& byte : bytes) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            byte = static_cast<std::uint8_t>(state >> 24) % 0xFF;
        }
        std::memcpy(bytes.data() + kPlainImageSize - HAL_RECORD_SIZE - 1, &ViewerRecord,
                    HAL_RECORD_SIZE);
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), kPlainImageSize);
        return file;
    }();
    return path;
}

void ReadPass(const std::string& path) {
    std::vector<char> buffer(k7r::platform::kScanPieceSize);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    std::size_t total = 0;
    for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;) {
        total += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (total != kPlainImageSize) {
        std::fprintf(stderr, "short read of %s\n", path.c_str());
        std::exit(1);
    }
}

} // namespace k7r::bench

#include "bench/plain_image.h"

#include "config/default_records.h"

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

} // namespace k7r::bench

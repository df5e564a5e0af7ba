// Opening and saving a 64 MiB S-record file (S3 records of 32 data bytes,
// CR LF line ends) in a process of its own, beside srec_cat copying the same
// file into the same format. Both read every record and write every record
// again. srec_cat writes a new file; our save writes the file anew beside
// the old one, flushes it to disk and puts it in the old one's place. Wall
// time of the whole processes, the median of the rounds, and our peak
// resident memory against the file's size.
#include "bench/measure.h"
#include "config/default_records.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "containers/srec_image.h"
#include "containers/srec_writer.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace k7r::bench;

constexpr std::size_t kFileSize = std::size_t{64} << 20;
constexpr std::size_t kDataPerLine = 32;
// "S3", count, 4 address bytes, data, checksum, CR LF.
constexpr std::size_t kLineLength = 2 + 2 + 8 + 2 * kDataPerLine + 2 + 2;
constexpr std::size_t kDataLines = kFileSize / kLineLength;
// With "S0030000FC" and "S70500000000FA", each with its CR LF.
constexpr std::size_t kTextSize = 12 + kDataLines * kLineLength + 16;
constexpr int kRounds = 7;

const std::string kDirectory = std::string(K7R_BINARY_DIR) + "/bench";

// S0, S3 lines over a payload with a configured record in its middle, S7;
// made once and kept, since each save writes the same record again.
std::string InputPath() {
    const std::string file = kDirectory + "/srec_64m.s19";
    if (std::filesystem::exists(file) && std::filesystem::file_size(file) == kTextSize) {
        return file;
    }
    k7r::containers::SrecImage image;
    image.terminator = "\r\n";
    image.payload.resize(kDataLines * kDataPerLine);
    std::uint32_t state = 2463534242u;
    for (std::uint8_t& byte : image.payload) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    HAL_STRUCT record = TemplateRecord;
    record.Crc = k7r::config::ComputeRecordCrc(record);
    std::memcpy(image.payload.data() + image.payload.size() / 2, &record, sizeof record);
    image.lines = {
        {.type = '0', .count = 3, .address = 0},
        {.type = '3',
         .count = 4 + kDataPerLine + 1,
         .address = 0,
         .repeats = static_cast<std::uint32_t>(kDataLines - 1)},
        {.type = '7', .count = 5, .address = 0},
    };
    std::filesystem::create_directories(kDirectory);
    std::ofstream out(file, std::ios::binary);
    k7r::containers::WriteSrecText(image, [&](std::span<const std::uint8_t> piece) {
        return static_cast<bool>(
            out.write(reinterpret_cast<const char*>(piece.data()), std::ssize(piece)));
    });
    return file;
}

// The work of the process on our side.
int OpenAndSave(const std::string& path) {
    k7r::config::WorkingConfig config(TemplateRecord);
    const k7r::containers::MessageSink fail = [](const std::string& text) {
        std::fprintf(stderr, "%s\n", text.c_str());
    };
    return k7r::containers::OpenConfigFile(path, config, fail) &&
                   k7r::containers::SaveConfigFile(path, "", config.Record, false, fail)
               ? 0
               : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--open-and-save") {
        return OpenAndSave(argv[2]);
    }
    const std::string path = InputPath();
    const std::string copy = kDirectory + "/srec_64m_copy.s19";
    const std::function<Sample()> contenders[] = {
        [&] {
            return RunProgram({ThisProgram(), "--open-and-save", path});
        },
        [&] {
            return RunProgram({"srec_cat", path, "-o", copy, "-Address_Length=4",
                               "-Output_Block_Size=32", "-Line_Termination=CRLF"});
        },
    };
    const std::vector<Sample> medians = Alternate(contenders, kRounds);
    PrintSample("open and save, one process", medians[0]);
    PrintSample("srec_cat copy, S3 of 32 data bytes, CR LF", medians[1]);
    const double fileMiB = static_cast<double>(kTextSize) / (1 << 20);
    PrintRatio("srec_open_save", medians[0].wallMs / medians[1].wallMs, "<=", 0.2);
    PrintRatio("srec_peak_memory", medians[0].peakMiB / fileMiB, "<=", 1.3);
    return 0;
}

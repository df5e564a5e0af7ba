// Opening and saving a 64 MiB S-record file (S3 records of 32 data bytes,
// CR LF line ends) in a process of its own, beside srec_cat copying the same
// file into the same format. Both read every record; srec_cat writes every
// record again into a new file, our save writes the file anew beside the
// old one (the lines that hold the record made again, the rest copied as
// it is), flushes it to disk and puts it in the old one's place. Wall time
// of the whole processes, the median of the rounds; our peak resident
// memory against the file's size; and our page faults per MiB of the file.
#include "bench/measure.h"
#include "config/default_records.h"
#include "config/record.h"
#include "containers/config_file.h"
#include "containers/hex_codec.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

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

// One S-record line with its checksum and CR LF:
// S<type><count><address><data...><checksum>
std::string SrecLine(char type, std::span<const std::uint8_t> fields) {
    // The count, the fields and the checksum, as hex digits.
    std::uint8_t bytes[1 + 4 + kDataPerLine + 1];
    const std::size_t length = fields.size() + 2;
    bytes[0] = static_cast<std::uint8_t>(fields.size() + 1);
    std::uint8_t sum = bytes[0];
    for (std::size_t i = 0; i < fields.size(); ++i) {
        bytes[1 + i] = fields[i];
        sum = static_cast<std::uint8_t>(sum + fields[i]);
    }
    bytes[length - 1] = static_cast<std::uint8_t>(~sum);
    std::string line(2 + 2 * length, type);
    line[0] = 'S';
    k7r::containers::EncodeHex(bytes, length, reinterpret_cast<std::uint8_t*>(line.data()) + 2);
    return line + "\r\n";
}

// S0, S3 lines over a payload with a configured record in its middle, S7;
// made once and kept, since each save writes the same record again.
std::string InputPath() {
    const std::string file = kDirectory + "/srec_64m.s19";
    if (std::filesystem::exists(file) && std::filesystem::file_size(file) == kTextSize) {
        return file;
    }
    std::vector<std::uint8_t> payload(kDataLines * kDataPerLine);
    std::uint32_t state = 2463534242u;
    for (std::uint8_t& byte : payload) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    HAL_STRUCT record = TemplateRecord;
    record.Crc = k7r::config::ComputeRecordCrc(record);
    std::memcpy(payload.data() + payload.size() / 2, &record, sizeof record);
    std::filesystem::create_directories(kDirectory);
    std::ofstream out(file, std::ios::binary);
    const std::uint8_t noAddress[4] = {};
    out << SrecLine('0', std::span(noAddress, 2));
    for (std::size_t line = 0; line < kDataLines; ++line) {
        std::uint8_t fields[4 + kDataPerLine];
        const auto address = static_cast<std::uint32_t>(line * kDataPerLine);
        for (int i = 0; i < 4; ++i) {
            fields[i] = static_cast<std::uint8_t>(address >> (24 - 8 * i));
        }
        std::memcpy(fields + 4, payload.data() + line * kDataPerLine, kDataPerLine);
        out << SrecLine('3', fields);
    }
    out << SrecLine('7', noAddress);
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
    PrintRatio("srec_open_save_faults", (medians[0].minorFaults + medians[0].majorFaults) / fileMiB,
               "<=", 16);
    return 0;
}

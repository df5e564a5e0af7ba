#pragma once

#include "config/hal_struct.h"
#include "containers/container_kind.h"
#include "containers/srec_parser.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace k7r::containers {

// Writes the lines a parse finds again, in the order they were read:
// record lines in upper case with fresh checksums, other lines as they
// were, each followed by the file's terminator. The configuration record's
// new bytes take the place of the payload bytes from recordOffset on. The
// text goes to put piece by piece.
class SrecRewriter final : public SrecLines {
  public:
    // The lines from the first one whose payload starts at or behind
    // stopAt on are left out.
    SrecRewriter(std::string terminator, std::uint64_t recordOffset, const HAL_STRUCT& record,
                 std::uint64_t stopAt, const ByteSink& put);
    ~SrecRewriter();

    bool LineStart(const SrecPosition& position) override;
    void Record(const srec::RecordType& type, unsigned count, std::uint32_t address,
                std::span<const std::uint8_t> data) override;
    void OtherText(std::span<const std::uint8_t> characters) override;
    void LineEnd() override;

    // Hands on what is gathered; false once put refused anything.
    bool Finish();

    // Whether the new record would change characters of lines that are not
    // records (the search runs over their text too). Written back there,
    // its bytes would no longer be text, or would end lines of their own.
    bool ChangesOtherLines() const { return changesOtherLines_; }

    // Where the first line that holds record bytes starts: in the text
    // read, and in the text written.
    struct LineStarts {
        std::uint64_t text = 0;
        std::uint64_t written = 0;
    };
    const LineStarts& RecordLines() const { return recordLines_; }

  private:
    class Sink;

    // The part of the record that falls on the payload bytes from payload_
    // on, length of them: where in the record, and where among the bytes.
    struct Overlap {
        std::size_t inRecord;
        std::size_t inBytes;
        std::size_t length;
    };
    Overlap RecordOverlap(std::size_t length) const;
    void NotePayload(std::size_t length);

    std::string terminator_;
    std::uint64_t recordOffset_;
    HAL_STRUCT record_;
    std::uint64_t stopAt_;
    std::unique_ptr<Sink> sink_;
    std::uint64_t payload_ = 0;
    bool changesOtherLines_ = false;
    LineStarts line_;
    LineStarts recordLines_;
    bool recordLinesSeen_ = false;
};

} // namespace k7r::containers

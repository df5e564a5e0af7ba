#pragma once

#include "containers/image_source.h"
#include "containers/srec_format.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace k7r::containers {

// True when the data is text with at least three lines starting with "S",
// at least one of them a data record (S1, S2 or S3).
bool IsSrecText(const ImageSource& data);

// Where a parse stands at the start of a line.
struct SrecPosition {
    std::uint64_t text = 0;        // offset in the text
    std::uint64_t payload = 0;     // data bytes and other lines' characters before it
    std::uint64_t dataRecords = 0; // S1, S2 and S3 records before it
};

// What a parse finds, in text order. Data bytes and the characters of
// other lines make up the payload, in which the configuration record is
// found wherever it lies: it may straddle any number of lines.
class SrecLines {
  public:
    // A line starts; false stops the parse in front of it.
    virtual bool LineStart(const SrecPosition& position) = 0;
    // A record line, its data decoded.
    virtual void Record(const srec::RecordType& type, unsigned count, std::uint32_t address,
                        std::span<const std::uint8_t> data) = 0;
    // Characters of a line that is not a record; a long line may come in
    // several pieces.
    virtual void OtherText(std::span<const std::uint8_t> characters) = 0;
    // The line that started last ends.
    virtual void LineEnd() = 0;

  protected:
    ~SrecLines() = default;
};

// Takes S-record text apart piece by piece, telling lines what it finds.
// A line that is not what it claims to be (a bad hex digit, a byte count
// too small for its address, a record cut short, a wrong checksum) or an S5
// count that disagrees with the data records before it refuses the whole
// file: the text is rewritten on save, and a corrupt line must not come
// back as different, plausible data.
class SrecParser {
  public:
    explicit SrecParser(const SrecPosition& start = {}) : position_(start) {}

    // Parses the next piece of text, which starts where the parse stands;
    // last when no text follows it. Returns how many leading bytes it took:
    // the others (a record line that the piece cut) must come again at the
    // front of the next piece. Stops early when a line stops it or on a
    // corrupt line.
    std::size_t Parse(std::span<const std::uint8_t> piece, bool last, SrecLines& lines);

    // Parses the whole text from the start position on.
    void ParseAll(const ImageSource& text, SrecLines& lines);

    bool Failed() const { return !failure_.empty(); }
    // Whether a line stopped the parse.
    bool Stopped() const { return stopped_; }
    std::string_view Failure() const { return failure_; }
    // Where the parse stands: at the start of the line that stopped it, or
    // behind the text.
    const SrecPosition& Position() const { return position_; }

    // The line end of this file, as first seen: the whole first run of
    // line-end bytes (0, LF, CR). A rewrite writes it after every line.
    const std::string& Terminator() const { return terminator_; }

    // Whether the file is written exactly as a rewrite writes it again:
    // record lines in upper case, every line followed by the terminator and
    // nothing else, from the first byte to the last. Such a file changes
    // only in the lines whose data changes.
    bool AsRewritten() const { return asRewritten_; }

  private:
    std::size_t ParseRecord(std::span<const std::uint8_t> piece, std::size_t at,
                            const srec::RecordType& type, SrecLines& lines);
    void EndLine(SrecLines& lines);
    void EndGap();

    SrecPosition position_;
    std::string_view failure_;
    bool stopped_ = false;
    std::string terminator_;
    bool terminatorKnown_ = false;
    bool asRewritten_ = true;
    bool inOtherLine_ = false;
    // Line-end bytes since the last line ended (or since the start, before
    // the first line), and whether they are the terminator so far.
    bool lineEnded_ = false;
    std::size_t gapLength_ = 0;
    bool gapIsTerminator_ = true;
};

} // namespace k7r::containers

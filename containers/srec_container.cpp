#include "containers/srec_container.h"

#include "containers/messages.h"
#include "containers/record_search.h"
#include "containers/srec_parser.h"
#include "containers/srec_writer.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace k7r::containers {
namespace {

// The payload is searched a buffer at a time as the parse finds it.
constexpr std::size_t kPayloadBuffer = std::size_t{64} << 10;
// Where a parse may start again: a line start noted every so many payload
// bytes. A save parses again from the last one before the record.
constexpr std::uint64_t kRestartSpacing = std::uint64_t{64} << 10;

// What a locate learns of the text for a save.
struct SrecLayout {
    std::string terminator;
    bool asRewritten = false;
    std::uint64_t rewrittenLength = 0;
    std::vector<SrecPosition> restarts;
};

// Searches the payload as the parse finds it, and notes the layout.
class SrecLocator final : public SrecLines {
  public:
    explicit SrecLocator(bool verify)
        : search_(verify), buffer_(kPayloadBuffer + HAL_RECORD_SIZE) {}

    bool LineStart(const SrecPosition& position) override {
        ++lines_;
        if (position.payload >= nextRestart_) {
            restarts_.push_back(position);
            nextRestart_ = position.payload + kRestartSpacing;
        }
        return true;
    }
    void Record(const srec::RecordType&, unsigned count, std::uint32_t,
                std::span<const std::uint8_t> data) override {
        lineCharacters_ += 4 + 2 * std::uint64_t{count};
        Take(data);
    }
    void OtherText(std::span<const std::uint8_t> characters) override {
        lineCharacters_ += characters.size();
        Take(characters);
    }
    void LineEnd() override {}

    int Answer(HAL_STRUCT* destination, std::string_view& message, std::uint64_t* recordOffset) {
        Search();
        return search_.Answer(destination, message, recordOffset);
    }

    SrecLayout Layout(const SrecParser& parser) {
        return {.terminator = parser.Terminator(),
                .asRewritten = parser.AsRewritten(),
                .rewrittenLength = lineCharacters_ + lines_ * parser.Terminator().size(),
                .restarts = std::move(restarts_)};
    }

  private:
    void Take(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty() && !search_.Settled()) {
            const std::size_t n = std::min(bytes.size(), buffer_.size() - used_);
            std::memcpy(buffer_.data() + used_, bytes.data(), n);
            used_ += n;
            bytes = bytes.subspan(n);
            if (used_ == buffer_.size()) {
                Search();
            }
        }
    }

    void Search() {
        const std::size_t done = search_.Scan({buffer_.data(), used_}, searched_);
        std::memmove(buffer_.data(), buffer_.data() + done, used_ - done);
        used_ -= done;
        searched_ += done;
    }

    RecordSearch search_;
    std::vector<std::uint8_t> buffer_;
    std::size_t used_ = 0;
    // Payload offset of the buffer's first byte.
    std::uint64_t searched_ = 0;
    std::uint64_t lines_ = 0;
    std::uint64_t lineCharacters_ = 0;
    std::vector<SrecPosition> restarts_;
    std::uint64_t nextRestart_ = 0;
};

// Over text known to be S-record text.
int LocateInSrec(HAL_STRUCT* destination, const ImageSource& text, bool verify,
                 std::string_view& message, SrecLayout* layout, std::uint64_t* recordOffset) {
    message = messages::kNoConfigData;
    SrecParser parser;
    SrecLocator locator(verify);
    parser.ParseAll(text, locator);
    if (parser.Failed()) {
        message = parser.Failure();
        return kRecordRefused;
    }
    if (layout != nullptr) {
        *layout = locator.Layout(parser);
    }
    return locator.Answer(destination, message, recordOffset);
}

// The whole text written again, every line as the kind writes lines.
bool RewriteAll(const ImageSource& text, RewriteSink& out, const std::string& terminator,
                std::uint64_t recordOffset, const HAL_STRUCT& record) {
    const ByteSink put = [&out](std::span<const std::uint8_t> piece) { return out.Put(piece); };
    SrecRewriter rewriter(terminator, recordOffset, record,
                          std::numeric_limits<std::uint64_t>::max(), put);
    SrecParser parser;
    parser.ParseAll(text, rewriter);
    return rewriter.Finish() && !parser.Failed() && parser.Position().text == text.size();
}

} // namespace

int LocateInSrecText(HAL_STRUCT* destination, const ImageSource& text, bool verify,
                     std::string_view& message) {
    return LocateInSrec(destination, text, verify, message, nullptr, nullptr);
}

int WriteInSrecText(const ImageSource& text, const MakeOutgoing& outgoing, ImageChange& change,
                    std::string_view& message) {
    SrecLayout layout;
    HAL_STRUCT stored;
    std::uint64_t recordOffset = 0;
    const int result = LocateInSrec(&stored, text, false, message, &layout, &recordOffset);
    if (result != kRecordFound) {
        return result;
    }
    const HAL_STRUCT record = outgoing(stored);

    // The lines that hold the record written anew, parsed from the last
    // restart before it up to the first line behind it.
    const auto restart =
        std::prev(std::upper_bound(layout.restarts.begin(), layout.restarts.end(), recordOffset,
                                   [](std::uint64_t offset, const SrecPosition& position) {
                                       return offset < position.payload;
                                   }));
    std::vector<std::uint8_t> lines;
    const ByteSink gather = [&lines](std::span<const std::uint8_t> piece) {
        lines.insert(lines.end(), piece.begin(), piece.end());
        return true;
    };
    SrecRewriter rewriter(layout.terminator, recordOffset, record, recordOffset + HAL_RECORD_SIZE,
                          gather);
    SrecParser parser(*restart);
    parser.ParseAll(text, rewriter);
    rewriter.Finish();
    if (rewriter.ChangesOtherLines()) {
        message = messages::kSrecRecordInText;
        return kRecordRefused;
    }
    if (layout.rewrittenLength > text.size() + kGrowthRoom) {
        message = messages::kSrecTooLong;
        return kRecordRefused;
    }
    if (layout.asRewritten) {
        // The lines before and behind those come out as they went in.
        const SrecRewriter::LineStarts start = rewriter.RecordLines();
        lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(start.written));
        const std::uint64_t linesEnd = parser.Position().text;
        change = ImageRewrite{[lines = std::move(lines), linesStart = start.text,
                               linesEnd](const ImageSource& image, RewriteSink& out) {
            return out.Copy(0, linesStart) && out.Put(lines) &&
                   out.Copy(linesEnd, image.size() - linesEnd);
        }};
    } else {
        change = ImageRewrite{[terminator = std::move(layout.terminator), recordOffset,
                               record](const ImageSource& image, RewriteSink& out) {
            return RewriteAll(image, out, terminator, recordOffset, record);
        }};
    }
    return kRecordFound;
}

int FindRecordSrec(HAL_STRUCT* destination, const ImageSource& text, bool verify,
                   std::string_view& message) {
    message = messages::kNoConfigData;
    return IsSrecText(text) ? LocateInSrecText(destination, text, verify, message) : kNoRecord;
}

int WriteRecordSrec(const ImageSource& image, const MakeOutgoing& outgoing, ImageChange& change,
                    std::string_view& message) {
    message = messages::kNoConfigData;
    return IsSrecText(image) ? WriteInSrecText(image, outgoing, change, message) : kNoRecord;
}

} // namespace k7r::containers

#include "emu/emulated_driver.h"

#include "emu/panel_picture.h"
#include "emu/png_file.h"
#include "platform/environment.h"

#include <cstdio>
#include <optional>
#include <string>
#include <utility>

namespace k7r::emu {
namespace {

bool picturesWritten = true;

std::string EmulatorVariable() {
    return platform::EnvironmentVariable(kEmulatorVariable).value_or("");
}

class EmulatedDriver final : public hal::BoardDriver, public hal::RegisterBus {
  public:
    EmulatedDriver(EmulatedBoard& board, bool writesPictures)
        : board_(board), writesPictures_(writesPictures) {}

    std::optional<std::uintptr_t> LocateBoard(std::uint32_t board) override {
        return board_.Locate(board);
    }
    std::optional<std::uintptr_t> MapPhysical(std::uint32_t physical,
                                              std::uint32_t length) override {
        return board_.Map(physical, length);
    }
    bool Unmap(std::uintptr_t linear) override {
        if (PicturePath()) {
            WritePicture(RenderPanel(board_));
        }
        return board_.Unmap(linear);
    }
    hal::RegisterBus* Bus() override { return this; }

    // Rendering is cheap next to the file: the picture is written only when
    // it differs from the one written last.
    void PanelMayHaveChanged() override {
        if (!PicturePath()) {
            return;
        }
        Picture picture = RenderPanel(board_);
        if (picture.width != written_.width || picture.height != written_.height ||
            picture.rgb != written_.rgb) {
            WritePicture(std::move(picture));
        }
    }

    std::uint16_t Read16(std::uintptr_t address) override { return board_.BusRead16(address); }
    std::uint32_t Read32(std::uintptr_t address) override { return board_.BusRead32(address); }
    void Write16(std::uintptr_t address, std::uint16_t value) override {
        board_.BusWrite16(address, value);
    }
    void Write32(std::uintptr_t address, std::uint32_t value) override {
        board_.BusWrite32(address, value);
    }

  private:
    std::optional<std::string> PicturePath() const {
        std::string path = EmulatorVariable();
        return writesPictures_ && path.ends_with(".png") ? std::optional(std::move(path))
                                                         : std::nullopt;
    }

    void WritePicture(Picture picture) {
        if (const std::string error = WritePng(*PicturePath(), picture); !error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            picturesWritten = false;
        }
        written_ = std::move(picture);
    }

    EmulatedBoard& board_;
    bool writesPictures_;
    // What the picture file shows, as far as this handle wrote it.
    Picture written_;
};

} // namespace

bool EmulatorSelected() {
    return !EmulatorVariable().empty();
}

bool PanelPicturesWritten() {
    return picturesWritten;
}

EmulatedBoard& TheBoard() {
    static EmulatedBoard* board = new EmulatedBoard();
    return *board;
}

std::unique_ptr<hal::BoardDriver> OpenEmulatedDriver() {
    return std::make_unique<EmulatedDriver>(TheBoard(), true);
}

std::unique_ptr<hal::BoardDriver> OpenDriverOn(EmulatedBoard& board) {
    return std::make_unique<EmulatedDriver>(board, false);
}

} // namespace k7r::emu

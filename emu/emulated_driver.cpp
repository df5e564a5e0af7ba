#include "emu/emulated_driver.h"

#include "emu/panel_picture.h"
#include "emu/png_file.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace k7r::emu {
namespace {

bool picturesWritten = true;

std::string_view EmulatorVariable() {
    const char* value = std::getenv(kEmulatorVariable);
    return value != nullptr ? value : "";
}

class EmulatedDriver final : public hal::BoardDriver, public hal::RegisterBus {
  public:
    explicit EmulatedDriver(EmulatedBoard& board) : board_(board) {}

    std::optional<std::uintptr_t> LocateBoard(std::uint32_t board) override {
        return board_.Locate(board);
    }
    std::optional<std::uintptr_t> MapPhysical(std::uint32_t physical,
                                              std::uint32_t length) override {
        return board_.Map(physical, length);
    }
    bool Unmap(std::uintptr_t linear) override {
        WritePictureIfAsked();
        return board_.Unmap(linear);
    }
    hal::RegisterBus* Bus() override { return this; }

    std::uint16_t Read16(std::uintptr_t address) override { return board_.BusRead16(address); }
    std::uint32_t Read32(std::uintptr_t address) override { return board_.BusRead32(address); }
    void Write16(std::uintptr_t address, std::uint16_t value) override {
        board_.BusWrite16(address, value);
    }
    void Write32(std::uintptr_t address, std::uint32_t value) override {
        board_.BusWrite32(address, value);
    }

  private:
    void WritePictureIfAsked() {
        const std::string_view path = EmulatorVariable();
        if (!path.ends_with(".png")) {
            return;
        }
        const std::string file(path);
        if (const std::string error = WritePng(file, RenderPanel(board_)); !error.empty()) {
            std::fprintf(stderr, "%s\n", error.c_str());
            picturesWritten = false;
        }
    }

    EmulatedBoard& board_;
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
    return std::make_unique<EmulatedDriver>(TheBoard());
}

} // namespace k7r::emu

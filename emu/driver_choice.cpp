#include "emu/driver_choice.h"

#include "emu/emulated_driver.h"
#include "hal/board_driver.h"
#include "hal/driver_select.h"

namespace k7r::emu {
namespace {

std::unique_ptr<hal::BoardDriver> OpenChosenDriver() {
    return EmulatorSelected() ? OpenEmulatedDriver() : hal::OpenSystemBoardDriver();
}

} // namespace

void OfferEmulatedBoard() {
    hal::UseBoardDriver(OpenChosenDriver);
}

bool EmulatedPanelPicturesWritten() {
    return PanelPicturesWritten();
}

} // namespace k7r::emu

#pragma once

#include "panels/panel_def.h"

namespace k7r::test {

// A 320 x 240 colour TFT with sound timings, every member a file line must
// give filled in.
inline panels::PanelDef QvgaTft(std::int32_t pclkKHz = 6250) {
    panels::PanelDef def;
    def.name = "Test TFT";
    def.type = panels::kPanelTft;
    def.width = 320;
    def.height = 240;
    def.el = def.linePol = def.framePol = 0;
    def.dataWidth = 18;
    def.color = 1;
    def.pclkKHz = pclkKHz;
    def.hTotal = 400;
    def.hStart = 40;
    def.vTotal = 262;
    def.vStart = 18;
    def.lineStart = 8;
    def.lineWidth = 24;
    def.frameStart = 4;
    def.frameWidth = 2;
    return def;
}

} // namespace k7r::test

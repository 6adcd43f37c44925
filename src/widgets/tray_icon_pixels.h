#pragma once

#include "clock_drawing.h"
#include "prerendered_icon_engine.h"

#include <iterator>

// The tray icon at every size of ClockDrawing::sizes, rendered from
// ClockDrawing::application by the build (tools/render_tray_icons).
struct TrayIconPixels {
    static const PrerenderedIconEngine::Image normal[std::size(ClockDrawing::sizes)];
    static const PrerenderedIconEngine::Image paused[std::size(ClockDrawing::sizes)];
};

#pragma once
#include <functional>
#include <string>

#include "platform/Canvas.h"
#include "platform/SilentUserInterface.h"

namespace tarvix::cli {

// Draws width × height pixels through the Qt canvas without a display and writes them as a PNG;
// the messages the drawing showed go to standard error. An exit status of the tool.
int RenderToPng(int width, int height, const std::function<void(Canvas&)>& draw, const SilentUserInterface& ui,
                const std::string& out);

}  // namespace tarvix::cli

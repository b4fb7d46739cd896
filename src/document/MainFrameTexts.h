#pragma once
#include <string>

namespace tarvix {

// The main window's caption: the program's title, and the open project's file name while a
// profile or map frame of it is active.
std::string MainFrameTitle(const std::string* activeDocumentPath);

// The status bar's indicator panes when no view fills them.
std::string DataWidthPaneText(bool is32BitData);
inline constexpr const char* kEmptyPaneText = " ";

}  // namespace tarvix

#pragma once
#include <array>

#include "platform/UserInterface.h"

namespace tarvix {

// The warning before another project is added: its profiles' files are copied into this
// project's folder. OK stands for "Yes".
class CFileWarnDlg : public DialogModel {
 public:
  static constexpr const char* kCaption = "Warning";
  static constexpr std::array<const char*, 4> kLines = {"If the radar data files have the same",
                                                        "name this operation will overwrite ",
                                                        "files in the current project directory.", "Continue?"};
  static constexpr const char* kDontShowAgain = "Don't show this warning in the future.";

  std::string DialogName() const override { return "CFileWarnDlg"; }

  // Shown and kept, but nothing reads it yet.
  bool dontShowAgain = false;
};

}  // namespace tarvix

#pragma once

#include <optional>
#include <string>

#include "shell/dialog.h"

// The one-line text question a series may ask (the name of a new
// transformed origin): a prompt, an edit field, OK and Cancel.
class TdvTextPromptDialog : public TdvDialog {
 public:
  static constexpr int kOk = 1;
  static constexpr int kCancel = 2;
  static constexpr int kText = 20;
  static constexpr int kPrompt = 21;

  // answer receives the text when OK is pressed; it must outlive the
  // dialog's window.
  TdvTextPromptDialog(const std::string& prompt, const std::string& caption,
                      const std::string& initial, std::optional<std::string>* answer);

  // Runs the dialog; the typed text, or nothing when it was cancelled.
  static std::optional<std::string> Ask(const std::string& prompt, const std::string& caption,
                                        const std::string& initial);

  int DoControlCommand(int id) override;

 private:
  std::optional<std::string>* answer_;
};

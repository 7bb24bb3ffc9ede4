#include "document/text_prompt_dialog.h"

#include "shell/shell.h"

namespace {

constexpr int kPushButton = 1;
constexpr int kEditField = 6;
constexpr int kLabel = 9;

}  // namespace

TdvTextPromptDialog::TdvTextPromptDialog(const std::string& prompt, const std::string& caption,
                                         const std::string& initial,
                                         std::optional<std::string>* answer)
    : answer_(answer) {
  title = caption;
  rect = {40, 60, 250, 140};
  focusControl = kText;
  defaultControl = kOk;
  AddControl(kLabel, kPrompt, prompt, {10, 8, 200, 22}, 1, 0, 0);
  AddControl(kEditField, kText, initial, {10, 26, 200, 42}, 1, 0, 0);
  AddControl(kPushButton, kOk, "OK", {40, 52, 100, 70}, 1, 0, 0);
  AddControl(kPushButton, kCancel, "Cancel", {110, 52, 170, 70}, 1, 0, 0);
}

int TdvTextPromptDialog::DoControlCommand(int id) {
  if (id == kOk) {
    *answer_ = GetControlText(kText);
    CloseWindow();
    return 0;
  }
  if (id == kCancel) {
    CloseWindow();
    return 0;
  }
  return TdvDialog::DoControlCommand(id);
}

std::optional<std::string> TdvTextPromptDialog::Ask(const std::string& prompt,
                                                    const std::string& caption,
                                                    const std::string& initial) {
  // The window owns the dialog object and may free it as soon as it
  // closes, so the answer lives here.
  std::optional<std::string> answer;
  auto owned = std::make_unique<TdvTextPromptDialog>(prompt, caption, initial, &answer);
  TdvShell::Get().Keep(std::move(owned))->OpenWindow();
  return answer;
}

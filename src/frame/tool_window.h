#pragma once

#include <optional>
#include <span>
#include <string>

#include "shell/window.h"

// One button of the tool bar.
struct TdvToolButton {
  int id = 0;
  int icon = 0;  // icon resource drawn on the button
  shell::Rect rect;
  // The tool code handed to the document, or none for the context-help
  // button, which sends `frameCommand` to the frame instead.
  std::optional<int> code;
  int frameCommand = 0;
  const char* help = "";
};

// The tool bar: a strip of drawn buttons along the left edge of the frame.
// A button hands its tool code to the document of the active window.
class TdvToolWindow : public TdvWindow {
 public:
  static constexpr int kClassCode = 16;
  static constexpr int kWidth = 32;
  static constexpr int kBackgroundColourCode = 42;
  // Added to the codes 0 and 1; the document acts on the low byte.
  static constexpr int kSelectionFlag = 0x100;

  TdvToolWindow();

  bool IsA(int code) const override;
  int OpenWindow() override;
  int DoCreate() override;
  int DoDestroy() override;
  void WinDraw(const std::optional<shell::Rect>& area) override;
  int DoButtonClick(int id, shell::Point point) override;
  int DoKeyDown(int character, int modifiers) override;
  void ShowControlHelp(int id, int x, int y) override;

  static std::span<const TdvToolButton> Buttons();
  static const TdvToolButton* FindButton(int id);
  // The value a tool code travels with (the selection flag on codes 0 and 1).
  static int SentCode(int code);

  // The buttons that act on a document are greyed while there is none;
  // context help always works.
  void EnableDocumentActions(bool on);

  // Hands a tool code to the document of the active window, if any.
  virtual void SendToolCode(int code);
};

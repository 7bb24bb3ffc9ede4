#pragma once

#include <array>
#include <string>

#include "shell/window.h"

// The small window that tells the user what the movie window expects next
// ("Click on one end of the object of known length"); clicks and its closing
// go back to its owner with the message's click code.
class TdvStatusWindow : public TdvWindow {
 public:
  static constexpr int kClassCode = 14;
  // The control whose command tells the owner the message is done.
  static constexpr int kDoneControl = 30;
  static constexpr int kTextControl = 20;

  TdvStatusWindow();

  bool IsA(int code) const override;
  int OpenWindow() override;
  int DoCreate() override;
  int DoControlCommand(int id) override;
  int DoClose() override;
  int DoDestroy() override;

  virtual void SetFlag(int value);
  virtual void SetOwner(TdvWindow* window);
  virtual bool IsOwner(const TdvWindow* window) const;
  virtual int GetClickCode() const;
  virtual void RelayClick(int x, int y, int modifiers);
  virtual void SetTitle(const std::string& text);
  virtual void SetMessage(const std::string& message, int code, int value1, int value2, int value3);

  TdvWindow* owner = nullptr;  // not owned
  std::string message;
  int clickCode = 0;
  int flag = 0;
  std::array<int, 3> values{};

 private:
  bool closing_ = false;
};

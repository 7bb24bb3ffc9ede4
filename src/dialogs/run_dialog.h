#pragma once

#include <memory>
#include <utility>

#include "shell/shell.h"

// Makes a dialog and opens it; the shell frees it once its window has gone.
template <typename Dialog, typename... Arguments>
void RunDialog(Arguments&&... arguments) {
  TdvShell::Get()
      .Keep(std::make_unique<Dialog>(std::forward<Arguments>(arguments)...))
      ->OpenWindow();
}

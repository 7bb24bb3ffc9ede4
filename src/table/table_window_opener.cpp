#include "table/table_window_opener.h"

#include <memory>

#include "document/data_object_window.h"
#include "shell/shell.h"
#include "table/table_window.h"

void TdvTableWindowOpener::OpenTable(TdvDataObjectWindow& document,
                                     const std::optional<TdvRect>& place) {
  auto* window = TdvShell::Get().Keep(std::make_unique<TdvTableWindow>(document));
  window->rect = place.value_or(defaultRect_);
  if (window->OpenWindow() != 0) {
    document.AttachTableWindow(window);
  }
}

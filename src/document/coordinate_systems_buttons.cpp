#include <array>

#include "document/data_object_window.h"
#include "shell/shell.h"

namespace {

constexpr int kIconOption = 1;

struct TdvListButton {
  int id;
  int icon;
  const char* help;
};

// Left to right at the end of the movie line.
constexpr std::array<TdvListButton, kListButtonCount> kListButtons{{
    {10, 1170, "Creates a new item"},
    {11, 1070, "Opens the edit dialog for the last selected item."},
    {12, 1180, "Deletes the selected items"},
    {13, 1080, "Transforms the selected origin"},
    {14, 1190, "Makes the selected origin the default origin"},
}};

const TdvListButton* FindListButton(int id) {
  for (const TdvListButton& button : kListButtons) {
    if (button.id == id) {
      return &button;
    }
  }
  return nullptr;
}

}  // namespace

void TdvDataObjectWindow::AddListButtons() {
  for (const TdvListButton& button : kListButtons) {
    AddControl(static_cast<int>(shell::ControlKind::kDrawnButton), button.id, "", {0, 0, 16, 16}, 1,
               kIconOption, button.icon);
  }
}

void TdvDataObjectWindow::SetListButtonTips() {
  for (const TdvListButton& button : kListButtons) {
    if (shell::WindowHandle control = GetControlWindow(button.id)) {
      Backend().SetToolTip(control, button.help);
    }
  }
}

void TdvDataObjectWindow::PlaceListButtons(const TdvCoordinateSystemsLayout& layout) {
  for (std::size_t i = 0; i < kListButtons.size(); ++i) {
    MoveControl(kListButtons[i].id, layout.buttons[i]);
  }
}

int TdvDataObjectWindow::DoButtonClick(int id, shell::Point point) {
  return FindListButton(id) != nullptr ? DoControlCommand(id)
                                       : TdvDocumentWindow::DoButtonClick(id, point);
}

void TdvDataObjectWindow::ShowControlHelp(int id, int x, int y) {
  if (const TdvListButton* button = FindListButton(id)) {
    TdvShell::Get().SetHelpText(button->help);
  } else {
    TdvDocumentWindow::ShowControlHelp(id, x, y);
  }
}

int TdvDataObjectWindow::DoControlCommand(int id) {
  CommitEdit();
  switch (id) {
    case 10:
      Dialogs().NewItem(*this);
      return 0;
    case 11:
      EditCurrentItem();
      return 0;
    case 12:
      DeleteSelection();
      return 0;
    case 13:
      TransformCurrent();
      return 0;
    case 14:
      if (currentItem != kNoItem) {
        SetDefaultOrigin(currentItem);
      }
      return 0;
    default:
      return TdvDocumentWindow::DoControlCommand(id);
  }
}

#include "document/data_object_window.h"
#include "shell/shell.h"

namespace {

struct CreateEntry {
  int command;
  int kind;
  const char* prefix;
  // Class code counted for the number; 2 counts origins.
  int counted;
};

constexpr CreateEntry kCreateMenu[] = {
    {651, kItemPoint, "Point S", kDataPointCode},
    {652, kItemOrigin, "Origin ", kItemOrigin},
    {653, kItemCentreOfMass, "CM ", kCalculatedCMCode},
    {654, kItemDistance, "Distance ", kCalculatedLineCode},
    {655, kItemScale, "Scale ", kCalibrateObjectCode},
    {657, kItemAngle, "Angle ", kCalculatedAngleCode},
    {658, kItemDesignatedPoint, "DsPt. ", kCalculatedDesPtCode},
    {659, kItemCount, "Count ", kCountObjectCode},
};

// The key flag that adds an item to the selection.
constexpr int kExtendSelection = 0x100;

const CreateEntry* FindCreateEntry(int command) {
  for (const CreateEntry& entry : kCreateMenu) {
    if (entry.command == command) {
      return &entry;
    }
  }
  return nullptr;
}

}  // namespace

std::int32_t TdvDataObjectWindow::CreateFromMenu(int command) {
  const CreateEntry* entry = FindCreateEntry(command);
  if (entry == nullptr) {
    return kNoItem;
  }
  std::string name = entry->prefix + std::to_string(NextDefaultNumber(entry->counted));
  std::int32_t originRef = kVideoOriginRef;
  TdvDataObject* current = GetItem(currentItem);
  if (currentItem != kNoItem && current != nullptr) {
    originRef =
        current->GetOriginId() == kDefaultOriginRef ? defaultOrigin : current->GetOriginId();
  } else if (TdvDataObject* origin = GetItem(defaultOrigin);
             origin != nullptr && origin->IsOrigin()) {
    originRef = defaultOrigin;
  }
  BeginUpdate();
  std::int32_t id = ObjectNewObject(entry->kind, name);
  TdvDataObject* item = GetItem(id);
  item->SetOriginId(originRef);
  if (TdvCoordinateFrame* frame = FindFrame(originRef); frame != nullptr && current != nullptr) {
    if (frame->members.FindInt(id)) {
      frame->members.RemoveCurrent();
    }
    AddMember(*frame, id, currentItem);
  }
  SelectItem(id, 0);
  EndUpdate();
  return id;
}

// The new item's dialog deletes it again when cancelled; the document is
// then put back as it was before the command, selection and all.
void TdvDataObjectWindow::CreateAndEdit(int command) {
  const bool wasModified = modified;
  const std::int32_t wasCounter = creationCounter;
  const std::vector<std::int32_t> wasSelected = SelectedItems();
  const std::int32_t wasCurrent = currentItem;
  const std::int32_t id = CreateFromMenu(command);
  Dialogs().EditItem(*this, id, true);
  if (GetItem(id) != nullptr) {
    return;
  }
  modified = wasModified;
  creationCounter = wasCounter;
  SelectItem(kNoItem, 0);
  for (std::int32_t selectedId : wasSelected) {
    if (selectedId != wasCurrent) {
      SelectItem(selectedId, kExtendSelection);
    }
  }
  if (wasCurrent != kNoItem) {
    SelectItem(wasCurrent, kExtendSelection);
  }
}

int TdvDataObjectWindow::DoCommand(int id) {
  if (FindCreateEntry(id) != nullptr) {
    CreateAndEdit(id);
    return 0;
  }
  switch (id) {
    case 158:
      ExportData();
      return 0;
    case 351:
      SetAutoAddPoints(!autoAddPoints);
      return 0;
    case 352:
      autoPointAdvance = !autoPointAdvance;
      CheckBoth(352, autoPointAdvance);
      return 0;
    case 353:
      autoFrameAdvance = !autoFrameAdvance;
      CheckBoth(353, autoFrameAdvance);
      return 0;
    case 355:
      MakePointOrigin();
      return 0;
    case 357:
      if (currentItem != kNoItem) {
        SetDefaultOrigin(currentItem);
      }
      return 0;
    case 364:
      liveUpdates = !liveUpdates;
      CheckBoth(364, liveUpdates);
      return 0;
    case 365:
      AskToTrack();
      return 0;
    case 453:
      ToggleSelectionTrails();
      return 0;
    case 454:
      if (currentItem != kNoItem) {
        ToggleSelectionVisible();
      }
      return 0;
    case 455:
      ShowAll();
      return 0;
    case 457:
      ClearSelection(false);
      return 0;
    case 458:
      ClearSelection(true);
      return 0;
    case 459:
      ClearFrame();
      return 0;
    case 463:
      if (currentItem != kNoItem) {
        DeleteSelection();
      }
      return 0;
    case 464:
      SelectAll();
      return 0;
    case 703:
      ShowTableWindow();
      return 0;
    case 704:
      NewGraph();
      return 0;
    default:
      return DoMovieCommand(id);
  }
}

// The tool bar sends the selection codes 0 and 1 with a flag in the high
// byte; only the low byte names the action.
int TdvDataObjectWindow::DoToolCommand(int code) {
  switch (code & 0xFF) {
    case 0:
      BringMovieForward();
      SelectItem(kNoItem, 0);
      return 1;
    case 1:
      BringMovieForward();
      SelectItem(NextItemToLocate(), 0);
      return 1;
    case 3:
      NewGraph();
      return 1;
    case 4:
      ShowTableWindow();
      return 1;
    case 9:
      Save(false);
      return 1;
    case 10:
      Save(true);
      return 1;
    case 11:
      TileWindows();
      return 1;
    case 13:
      SelectItem(NextInFrameOrder(currentItem, kForwards), 0);
      return 1;
    case 14:
      SelectItem(NextInFrameOrder(currentItem, kBackwards), 0);
      return 1;
    case 21:
      ToggleSelectionVisible();
      return 1;
    case 22:
      ToggleSelectionTrails();
      return 1;
    default:
      return DoMovieToolCommand(code & 0xFF);
  }
}

int TdvDataObjectWindow::DoClose() {
  if (modified) {
    shell::MessageAnswer answer = TdvShell::Get().Message(
        shell::MessageKind::kSavePrompt, "Do You Want to Save?", title + " Has Been Changed");
    if (answer == shell::MessageAnswer::kCancel) {
      return 0;
    }
    if (answer == shell::MessageAnswer::kYes && !Save(false)) {
      return 0;
    }
  }
  if (tableWindow != nullptr) {
    tableWindow->ForceClose();
  }
  AttachTableWindow(nullptr);
  // The movie window must not outlive the document it reports to.
  if (TdvMovieLink* closing = movie) {
    movie = nullptr;
    closing->ForceClose();
  }
  // Each graph window leaves the list as it closes.
  for (TdvGraphLink* graph : std::vector<TdvGraphLink*>(graphs)) {
    graph->ForceClose();
  }
  graphs.clear();
  ClearSelectionList();
  items.Clear();
  itemOrder.Clear();
  frames.Clear();
  frameOrder.Clear();
  return kTdvNotHandled;
}

TdvDocumentDialogs& TdvDataObjectWindow::Dialogs() {
  static TdvDocumentDialogs none;
  return dialogs != nullptr ? *dialogs : none;
}

#include "table/table_window.h"

#include <algorithm>

#include "document/data_object_window.h"
#include "kinematics/data_table.h"
#include "kinematics/data_table_object.h"
#include "kinematics/quantity_table.h"
#include "kinematics/unit_table.h"
#include "shell/backend.h"
#include "shell/shell.h"
#include "table/selection_text.h"

namespace {

constexpr int kPrintCommand = 161;
constexpr int kCopyDataCommand = 454;
constexpr int kCopyCommand = 462;
constexpr int kSelectAllCommand = 464;

}  // namespace

TdvTableWindow::TdvTableWindow(TdvDataObjectWindow& document)
    : document(&document), timeColumn(std::make_unique<TdvTableObject>(TdvDataTable::kTimeSeries)) {
  title = "Table";
  className = "TdvTableChild";
}

bool TdvTableWindow::IsA(int code) const {
  return code == kClassCode || TdvDocumentWindow::IsA(code);
}

TdvDocumentWindow* TdvTableWindow::GetDocument() {
  return document;
}

// ------------------------------------------------------------ columns

void TdvTableWindow::ColumnAvailable(std::int32_t seriesId, int quantity) {
  AddColumn(seriesId, quantity);
}

void TdvTableWindow::GroupActiveChanged(std::int32_t, int) {
  Invalidate(false);
}

void TdvTableWindow::AddColumn(std::int32_t seriesId, int quantity) {
  TdvTableObject* block = timeColumn.get();
  if (seriesId != TdvDataTable::kTimeSeries) {
    auto found = std::find_if(blocks.begin(), blocks.end(),
                              [&](const auto& each) { return each->seriesId == seriesId; });
    if (found != blocks.end()) {
      block = found->get();
    } else {
      auto made = std::make_unique<TdvTableObject>(seriesId);
      block = made.get();
      blocks.insert(document->loading ? blocks.begin() : blocks.end(), std::move(made));
    }
  }
  if (block->FindColumn(quantity) == nullptr) {
    block->columns.push_back(std::make_unique<TdvTableColumn>(seriesId, quantity));
  }
  if (!selecting_) {
    ClearSelections();
  }
  Invalidate(true);
}

// Columns whose series has gone are dropped; columns whose group is not
// computed now are kept but not shown.
std::vector<TdvShownColumn> TdvTableWindow::ShownColumns() {
  const TdvDataTable& table = document->DataTable();
  std::erase_if(blocks,
                [&](const auto& block) { return table.FindObject(block->seriesId) == nullptr; });
  std::vector<TdvShownColumn> shown;
  int x = 0;
  auto addBlock = [&](TdvTableObject& block, int index) {
    const TdvDataTableObject* object = table.FindObject(block.seriesId);
    block.width = 0;
    for (const auto& column : block.columns) {
      column->group = object != nullptr ? object->ExistingGroup(column->quantity) : nullptr;
      if (column->group == nullptr || !column->group->IsActive()) {
        continue;
      }
      RefreshHeaders(*column);
      shown.push_back({column.get(), index, block.width == 0, x, x + column->width});
      x += column->width;
      block.width += column->width;
    }
  };
  addBlock(*timeColumn, -1);
  for (std::size_t index = 0; index < blocks.size(); ++index) {
    addBlock(*blocks[index], static_cast<int>(index));
  }
  return shown;
}

void TdvTableWindow::RefreshHeaders(TdvTableColumn& column) const {
  TdvDataTableDocument* source = document->DataTable().Document();
  column.seriesName =
      column.IsTime() || source == nullptr ? std::string() : source->SeriesName(column.seriesId);
  QuantityName(column.quantityName, column.quantity, true);
  UnitText(column.unitText, column.group->Unit());
}

const std::vector<std::int32_t>& TdvTableWindow::Rows() {
  if (rowsStale_) {
    const std::set<std::int32_t>& frames = document->DataTable().AllFrames();
    rows.assign(frames.begin(), frames.end());
    rowsStale_ = false;
  }
  return rows;
}

const TdvTableLayout& TdvTableWindow::Layout() {
  if (!layout_) {
    layout_ = LayOutTable(ShownColumns(), clientSize, Rows().size(), topRow_, scrollX_);
    topRow_ = layout_->firstRow;
    scrollX_ = layout_->scrollX;
    UpdateScrollBars();
  }
  return *layout_;
}

void TdvTableWindow::Invalidate(bool rowsToo) {
  layout_.reset();
  rowsStale_ = rowsStale_ || rowsToo;
  if (hwnd != shell::kNoWindow) {
    Backend().Invalidate(hwnd, std::nullopt);
  }
}

// ------------------------------------------------------------ the document's link

void TdvTableWindow::WriteRecord(TdvTaggedWriter& writer) {
  writer.OpenRecord('T');
  WriteWindowRect(writer);
  writer.CloseRecord();
}

void TdvTableWindow::PlaceWindow(const TdvRect& place) {
  rect = place;
  if (hwnd != shell::kNoWindow) {
    Backend().MoveWindow(hwnd, place);
  }
}

bool TdvTableWindow::BringForward() {
  if (hwnd == shell::kNoWindow) {
    return false;
  }
  Backend().BringToTop(hwnd);
  return true;
}

void TdvTableWindow::Redraw() {
  Invalidate(true);
}

void TdvTableWindow::ForceClose() {
  CloseWindow();
}

int TdvTableWindow::DoDestroy() {
  if (document != nullptr && document->TableWindow() == this) {
    document->AttachTableWindow(nullptr);
  }
  return TdvDocumentWindow::DoDestroy();
}

// ------------------------------------------------------------ commands

int TdvTableWindow::DoCommand(int id) {
  switch (id) {
    case kCopyCommand:
    case kCopyDataCommand:
      CopyData();
      return 0;
    case kSelectAllCommand:
      if (!selecting_) {
        SelectAll();
      }
      return 0;
    case kPrintCommand:
      PrintWindow(document->MovieName(), title, true);
      return 0;
    default:
      return document->DoCommand(id);
  }
}

void TdvTableWindow::SelectAll() {
  auto selectBlock = [](TdvTableObject& block) {
    for (const auto& column : block.columns) {
      column->selections.clear();
      column->wholeColumn = true;
    }
  };
  selectBlock(*timeColumn);
  for (const auto& block : blocks) {
    selectBlock(*block);
  }
  Invalidate(false);
}

void TdvTableWindow::ClearSelections() {
  for (const auto& column : timeColumn->columns) {
    column->ClearSelection();
  }
  for (const auto& block : blocks) {
    for (const auto& column : block->columns) {
      column->ClearSelection();
    }
  }
  anchor_.reset();
  Invalidate(false);
}

std::string TdvTableWindow::SelectionText() {
  const TdvTableLayout& layout = Layout();
  std::vector<const TdvTableColumn*> columns;
  columns.reserve(layout.columns.size());
  for (const TdvShownColumn& shown : layout.columns) {
    columns.push_back(shown.column);
  }
  return ::SelectionText(columns, Rows());
}

// The text is built whole, however large the selection.
void TdvTableWindow::CopyData() {
  const std::string text = SelectionText();
  if (!text.empty()) {
    Backend().SetClipboardText(text);
  }
}

// ------------------------------------------------------------ size and scrolling

int TdvTableWindow::DoCreate() {
  AddControl(static_cast<int>(shell::ControlKind::kVerticalScrollBar), kVerticalBar, "", {}, 1, 0,
             0);
  AddControl(static_cast<int>(shell::ControlKind::kHorizontalScrollBar), kHorizontalBar, "", {}, 1,
             0, 0);
  TdvDocumentWindow::DoCreate();
  PlaceScrollBars();
  return 0;
}

int TdvTableWindow::DoSize(int width, int height) {
  clientSize = {width, height};
  PlaceScrollBars();
  Invalidate(false);
  return 0;
}

void TdvTableWindow::PlaceScrollBars() {
  const int width = clientSize.width;
  const int height = clientSize.height;
  MoveControl(kVerticalBar, {width - kTableScrollBarSize, 0, width, height - kTableScrollBarSize});
  MoveControl(kHorizontalBar,
              {0, height - kTableScrollBarSize, width - kTableScrollBarSize, height});
}

void TdvTableWindow::UpdateScrollBars() {
  const TdvTableLayout& layout = *layout_;
  const std::size_t page = layout.PageRows();
  const int lastTop = layout.rowCount > page ? static_cast<int>(layout.rowCount - page) : 0;
  SetScrollRange(kVerticalBar, 0, lastTop);
  SetScrollPosition(kVerticalBar, static_cast<int>(layout.firstRow));
  SetScrollRange(kHorizontalBar, 0, std::max(0, layout.tableWidth - layout.CellsWidth()));
  SetScrollPosition(kHorizontalBar, layout.scrollX);
}

void TdvTableWindow::Scroll(std::size_t topRow, int scrollX) {
  topRow_ = topRow;
  scrollX_ = scrollX;
  Invalidate(false);
}

int TdvTableWindow::DoScroll(int id, int code, int position) {
  const TdvTableLayout& layout = Layout();
  const bool vertical = id == kVerticalBar;
  const int current = vertical ? static_cast<int>(layout.firstRow) : layout.scrollX;
  const int line = vertical ? 1 : TdvTableColumn::kWidth;
  const int page = vertical ? std::max<int>(1, static_cast<int>(layout.PageRows()) - 1)
                            : std::max(line, layout.CellsWidth() - line);
  int wanted = current;
  switch (code) {
    case shell::kScrollLineUp:
      wanted -= line;
      break;
    case shell::kScrollLineDown:
      wanted += line;
      break;
    case shell::kScrollPageUp:
      wanted -= page;
      break;
    case shell::kScrollPageDown:
      wanted += page;
      break;
    case shell::kScrollThumb:
      wanted = position;
      break;
    default:
      return 0;
  }
  wanted = std::max(0, wanted);
  if (vertical) {
    Scroll(static_cast<std::size_t>(wanted), layout.scrollX);
  } else {
    Scroll(layout.firstRow, wanted);
  }
  return 0;
}

// ------------------------------------------------------------ help

void TdvTableWindow::ShowAreaHelp(int x, int y) {
  static constexpr const char* kHelp[] = {
      "Clicking here will select all data",  "Click here to select entire series of columns",
      "Click here to select entire columns", "Click here to select entire rows",
      "Clicking here will select data",      "Clicking here will deselect all data",
  };
  TdvTableHit hit = HitTable(Layout(), {x, y});
  TdvShell::Get().SetHelpText(kHelp[static_cast<int>(hit.area)]);
}

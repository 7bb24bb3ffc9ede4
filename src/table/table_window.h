#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/window_links.h"
#include "shell/document_window.h"
#include "table/table_layout.h"
#include "table/table_object.h"

class TdvDataObjectWindow;

// The data table of a document: one row per frame that holds data, the
// time column, then a block of columns per series, one per quantity whose
// group is active. The user selects cells, columns, series blocks, rows or
// everything and copies them as text; a click on a row's header also shows
// that frame in the movie window, and the row of the frame shown there is
// marked. Only the visible rows and columns are drawn.
class TdvTableWindow : public TdvDocumentWindow, public TdvTableWindowLink {
 public:
  static constexpr int kClassCode = 12;
  static constexpr int kVerticalBar = 1;
  static constexpr int kHorizontalBar = 2;

  explicit TdvTableWindow(TdvDataObjectWindow& document);

  bool IsA(int code) const override;

  // The table's listener.
  void ColumnAvailable(std::int32_t seriesId, int quantity) override;
  void GroupActiveChanged(std::int32_t seriesId, int quantity) override;
  // The document's link.
  void WriteRecord(TdvTaggedWriter& writer) override;
  void PlaceWindow(const TdvRect& place) override;
  bool BringForward() override;
  void Redraw() override;
  void ForceClose() override;

  // The group becomes a column of its series' block (the time column for
  // the time); selections are cleared unless one is being made.
  void AddColumn(std::int32_t seriesId, int quantity);
  void SelectAll();
  void ClearSelections();
  // The selection as tab-separated text (see SelectionText).
  std::string SelectionText();
  void CopyData();

  const TdvTableLayout& Layout();
  const std::vector<std::int32_t>& Rows();

  void WinDraw(const std::optional<shell::Rect>& area) override;
  int DoCreate() override;
  int DoCommand(int id) override;
  int DoSize(int width, int height) override;
  int DoScroll(int id, int code, int position) override;
  int DoMouseDown(int x, int y, int modifiers) override;
  int DoMouseMove(int x, int y, int modifiers) override;
  int DoMouseUp(int x, int y, int modifiers) override;
  int DoDestroy() override;
  void ShowAreaHelp(int x, int y) override;
  TdvDocumentWindow* GetDocument() override;

  TdvDataObjectWindow* document;
  std::unique_ptr<TdvTableObject> timeColumn;
  std::vector<std::unique_ptr<TdvTableObject>> blocks;
  std::vector<std::int32_t> rows;

 private:
  // Marks the layout (and with rowsToo the rows) to be made again before
  // the next use, and redraws.
  void Invalidate(bool rowsToo);
  std::vector<TdvShownColumn> ShownColumns();
  void RefreshHeaders(TdvTableColumn& column) const;
  void PlaceScrollBars();
  void UpdateScrollBars();
  void Scroll(std::size_t topRow, int scrollX);

  // Selection by the mouse, from the anchor to the hit.
  void PressAt(const TdvTableHit& hit, int modifiers);
  void ExtendTo(const TdvTableHit& hit);
  void SelectCells(std::size_t fromColumn, std::size_t toColumn, std::size_t fromRow,
                   std::size_t toRow);
  void SelectWholeColumns(std::size_t fromColumn, std::size_t toColumn);
  void ToggleCell(std::size_t column, std::size_t row);
  void ToggleWholeColumns(std::size_t fromColumn, std::size_t toColumn);
  void ToggleRow(std::size_t row);
  // The columns of the hit's block, or the hit column alone.
  std::pair<std::size_t, std::size_t> HeaderColumns(const TdvTableHit& hit);
  void ShowFrame(std::size_t row);

  void DrawHeader(const TdvTableLayout& layout);
  void DrawRows(const TdvTableLayout& layout);
  void DrawCell(const TdvTableLayout& layout, std::size_t column, std::size_t row, bool marked);

  std::optional<TdvTableLayout> layout_;
  bool rowsStale_ = true;
  std::size_t topRow_ = 0;
  int scrollX_ = 0;
  // Where the selection being made started.
  std::optional<TdvTableHit> anchor_;
  bool selecting_ = false;
};

#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "../document/document_fixture.h"
#include "kinematics/data_table.h"
#include "kinematics/data_value_group.h"
#include "table/table_window.h"
#include "table/table_window_opener.h"

// A document whose point "Ball" has data on every frame of a movie of
// 1/30 s frames, shown in its table window, 400 by 300 pixels. Cells are
// 64 pixels wide after the 18-pixel row header; rows are 18 pixels high
// under a 54-pixel header. Columns, left to right: time, Origin 1 x and y,
// Ball x and y.
class TableWindowTest : public DocumentTest {
 protected:
  static constexpr std::int32_t kFrameStep = 20;
  static constexpr int kTime = 0;
  static constexpr int kBallX = 3;
  static constexpr int kBallY = 4;

  // Ball's x is 1.5 per frame and its y -0.25 per frame, set as if the
  // document had computed them; the table opens with the movie.
  void OpenTable(int frames) {
    backend.Resize(frame->hwnd, {1200, 900});
    doc = NewDocument();
    const std::vector<std::int32_t> keys = EvenFrameKeys(frames, kFrameStep);
    doc->SetTimeBase(600, keys);
    TdvDataObjectWindow::recalculateOnChange = false;
    ball = AddPoint(*doc, "Ball");
    for (int i = 0; i < frames; ++i) {
      ball->TakeData(2 * i, -2 * i, keys[static_cast<std::size_t>(i)]);
    }
    TdvDataObjectWindow::recalculateOnChange = true;
    doc->SetTableOpener(&opener);
    doc->AttachMovie(&movie);
    doc->RecalculateAll();
    for (int i = 0; i < frames; ++i) {
      SetBallValue(2, i, 1.5 * i);
      SetBallValue(3, i, 0.0 - 0.25 * i);
    }
    window = dynamic_cast<TdvTableWindow*>(doc->TableWindow());
    ASSERT_NE(window, nullptr);
    backend.Resize(window->hwnd, {400, 300});
  }

  // Puts a known value into the table, as if the document had computed it.
  void SetBallValue(int quantity, int frameIndex, double value) {
    doc->DataTable().FindGroup(ball->GetId(), quantity)->SetValue(frameIndex * kFrameStep, value);
  }

  static shell::Point Cell(int column, int row) {
    return {18 + 64 * column + 30, 54 + 18 * row + 9};
  }
  static shell::Point SeriesHeader(int column) { return {18 + 64 * column + 30, 9}; }
  static shell::Point ColumnHeader(int column) { return {18 + 64 * column + 30, 27}; }
  static shell::Point RowHeader(int row) { return {9, 54 + 18 * row + 9}; }

  void Click(shell::Point point, shell::Modifiers modifiers = {}) {
    backend.MouseDown(window->hwnd, point, modifiers);
    backend.MouseUp(window->hwnd, point, modifiers);
  }
  void Drag(shell::Point from, shell::Point to) {
    backend.MouseDown(window->hwnd, from);
    backend.MouseMove(window->hwnd, to);
    backend.MouseUp(window->hwnd, to);
  }

  // What Copy Data leaves on the clipboard.
  std::string Copied() {
    backend.Command(window->hwnd, 462);
    return backend.ClipboardText().value_or("");
  }

  std::vector<std::string> DrawnTexts() {
    std::vector<std::string> texts;
    for (const shell::DrawRecord& record : backend.DrawingOn(window->hwnd)) {
      if (record.op == shell::DrawOp::kText) {
        texts.push_back(record.text);
      }
    }
    return texts;
  }

  TdvTableWindowOpener opener{{0, 300, 400, 600}};
  ShowingMovie movie;
  TdvDataObjectWindow* doc = nullptr;
  TdvDataPoint* ball = nullptr;
  TdvTableWindow* window = nullptr;
};

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/data_object_window.h"
#include "frame/tool_window.h"
#include "model/point_series.h"
#include "shell/app_window.h"
#include "shell/headless_backend.h"
#include "shell/shell.h"

namespace {

class CommandFrame : public TdvAppWindow {
 public:
  void OpenPath(const std::string&) override {}
  void OpenHelpTopic(int) override {}
};

class ToolWindowTest : public ::testing::Test {
 protected:
  ToolWindowTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    frame = shell.Keep(std::make_unique<CommandFrame>());
    frame->title = "Kinovex";
    frame->OpenWindow();
  }

  TdvDataObjectWindow* OpenDocumentWithPoints() {
    TdvDataObjectWindow* doc = shell.Keep(std::make_unique<TdvDataObjectWindow>());
    EXPECT_EQ(doc->OpenWindow(), 1);
    for (const char* name : {"Ball", "Cart"}) {
      std::int32_t id = doc->ObjectNewObject(kItemPoint, name);
      static_cast<TdvDataPoint*>(doc->GetItem(id))->SetSampleType(kFrameByFrame);
    }
    backend.Activate(doc->hwnd);
    return doc;
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  CommandFrame* frame = nullptr;
};

// ---------------------------------------------------------------- reaching the document

TEST_F(ToolWindowTest, SelectionButtonsActOnTheActiveDocument) {
  TdvToolWindow* tools = shell.Keep(std::make_unique<TdvToolWindow>());
  ASSERT_EQ(tools->OpenWindow(), 1);
  TdvDataObjectWindow* doc = OpenDocumentWithPoints();
  ASSERT_EQ(frame->activeDocument, doc);
  const std::int32_t first = doc->NextItemToLocate();
  ASSERT_NE(first, kNoItem);

  backend.PressButton(tools->hwnd, 50);
  EXPECT_EQ(doc->CurrentItem(), first);
  EXPECT_TRUE(doc->IsSelected(first));

  backend.PressButton(tools->hwnd, 40);
  EXPECT_TRUE(doc->SelectedItems().empty());

  backend.PressButton(tools->hwnd, 140);
  const std::int32_t next = doc->CurrentItem();
  EXPECT_NE(next, kNoItem);
  backend.PressButton(tools->hwnd, 140);
  EXPECT_NE(doc->CurrentItem(), next);
  backend.PressButton(tools->hwnd, 130);
  EXPECT_EQ(doc->CurrentItem(), next);
}

}  // namespace

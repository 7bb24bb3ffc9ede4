#include "document/text_prompt_dialog.h"
#include "document_fixture.h"

namespace {

TEST_F(DocumentTest, FrameKindReachesOriginAndMembersWhenAsked) {
  TdvDataObjectWindow* doc = NewDocument();
  TdvDataPoint* a = AddPoint(*doc, "a");
  TdvDataPoint* b = AddPoint(*doc, "b");
  TdvCoordinateFrame* frame = doc->FindFrame(kDefaultOriginRef);
  ASSERT_NE(frame, nullptr);
  frame->SetCoordinateKind(kPolar);
  EXPECT_EQ(doc->GetItem(0)->GetFrameCoordinates(), kPolar);
  EXPECT_EQ(a->GetCoordinates(), kPolar);
  EXPECT_EQ(b->GetCoordinates(), kPolar);
  frame->applyKindToMembers = 0;
  frame->SetCoordinateKind(kCartesian);
  EXPECT_EQ(doc->GetItem(0)->GetFrameCoordinates(), kCartesian);
  EXPECT_EQ(a->GetCoordinates(), kPolar);
  // A member added later takes the frame's kind only while it applies.
  frame->applyKindToMembers = 1;
  TdvDataPoint* c = AddPoint(*doc, "c");
  EXPECT_EQ(c->GetCoordinates(), kCartesian);
}

TEST_F(DocumentTest, BoxGrowsWithMemberRowsAndTheScaleRow) {
  TdvDataObjectWindow* doc = NewDocument();
  TdvCoordinateFrame* frame = doc->FindFrame(0);
  EXPECT_EQ(frame->BoxHeight(), 32);
  AddPoint(*doc, "a");
  AddPoint(*doc, "b");
  EXPECT_EQ(frame->BoxHeight(), 2 * 18 + 32);
  doc->ObjectNewObject(kItemScale, "S");
  // The scale reports in the Video frame; the box of Origin 1 shows it.
  EXPECT_EQ(frame->BoxHeight(), 2 * 18 + 68);
}

TEST_F(DocumentTest, OriginNamesOfTheSpecialReferences) {
  TdvDataObjectWindow* doc = NewDocument();
  EXPECT_EQ(doc->GetOriginName(kVideoOriginRef), "Video Origin");
  EXPECT_EQ(doc->GetOriginName(kDefaultOriginRef), "Origin 1");
  EXPECT_EQ(doc->GetOriginName(kTimeItemRef), "");
  EXPECT_EQ(doc->GetOriginName(kNoScale), "");
  EXPECT_EQ(doc->GetOriginName(42), "");
}

TEST_F(DocumentTest, TextQuestionAnswersTypedTextOrNothing) {
  TdvDataObjectWindow* doc = NewDocument();
  backend.QueueModal([this](shell::WindowHandle dialog) {
    backend.TypeText(dialog, TdvTextPromptDialog::kText, "Car");
    backend.PressButton(dialog, TdvTextPromptDialog::kOk);
  });
  std::optional<std::string> typed = doc->AskText("Name:", "Transform Origin", "XF@");
  ASSERT_TRUE(typed.has_value());
  EXPECT_NE(typed->find("Car"), std::string::npos);
  backend.QueueModal([this](shell::WindowHandle dialog) {
    backend.PressButton(dialog, TdvTextPromptDialog::kCancel);
  });
  EXPECT_FALSE(doc->AskText("Name:", "Transform Origin", "XF@").has_value());
}

}  // namespace

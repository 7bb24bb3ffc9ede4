#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

class PromptsTest : public QtBackendTest {
 protected:
  // Answers the next message box with `button` (none: leave it open).
  void Answer(QMessageBox::StandardButton button) {
    QtTestHooks hooks;
    hooks.messageBox = [this, button](QMessageBox& box) {
      seen_ = SeenBox{box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
      visible_ = box.isVisible();
      if (button != QMessageBox::NoButton) {
        box.button(button)->click();
      }
    };
    backend_.SetTestHooks(hooks);
  }

  SeenBox seen_;
  bool visible_ = false;
};

TEST_F(PromptsTest, ConfirmationShowsItsTextsAndAnswersCancel) {
  Answer(QMessageBox::Cancel);
  EXPECT_EQ(
      backend_.ShowMessage(MessageKind::kConfirmation, "Overwrite File?", "File Already Exists"),
      MessageAnswer::kCancel);
  EXPECT_TRUE(visible_);
  EXPECT_EQ(seen_.title, QStringLiteral("File Already Exists"));
  EXPECT_EQ(seen_.text, QStringLiteral("Overwrite File?"));
  EXPECT_EQ(seen_.icon, QMessageBox::Question);
  EXPECT_EQ(seen_.buttons, QMessageBox::Ok | QMessageBox::Cancel);
}

TEST_F(PromptsTest, ConfirmationAnswersOk) {
  Answer(QMessageBox::Ok);
  EXPECT_EQ(backend_.ShowMessage(MessageKind::kConfirmation, "Do you still want to continue?",
                                 "This will clear all data except fixed points"),
            MessageAnswer::kOk);
}

TEST_F(PromptsTest, SavePromptOffersYesNoAndCancel) {
  Answer(QMessageBox::No);
  EXPECT_EQ(backend_.ShowMessage(MessageKind::kSavePrompt, "Do You Want to Save?",
                                 "run1.kvx Has Been Changed"),
            MessageAnswer::kNo);
  EXPECT_EQ(seen_.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(seen_.title, QStringLiteral("run1.kvx Has Been Changed"));
}

TEST_F(PromptsTest, InformationHasNoIconAndTakesMarkupAsPlainText) {
  Answer(QMessageBox::Ok);
  EXPECT_EQ(backend_.ShowMessage(MessageKind::kInformation, "<b>no document</b> with that number",
                                 "TdvAppWindow::RemoveDocWindow"),
            MessageAnswer::kOk);
  EXPECT_EQ(seen_.icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen_.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(seen_.text, QStringLiteral("<b>no document</b> with that number"));
}

// A prompt's parent is the active window; a dialog deleted while the prompt
// is open takes the prompt with it, which must neither crash nor answer Yes.
TEST_F(PromptsTest, PromptWhoseParentGoesAwayIsCancelled) {
  auto* parent = new QWidget;
  parent->show();
  QApplication::setActiveWindow(parent);
  ASSERT_EQ(QApplication::activeWindow(), parent);
  QtTestHooks hooks;
  hooks.messageBox = [](QMessageBox& box) { delete box.parentWidget(); };
  hooks.fileDialog = [](QFileDialog& dialog) { delete dialog.parentWidget(); };
  backend_.SetTestHooks(hooks);
  EXPECT_EQ(backend_.ShowMessage(MessageKind::kSavePrompt, "Do You Want to Save?", "x"),
            MessageAnswer::kCancel);

  parent = new QWidget;
  parent->show();
  QApplication::setActiveWindow(parent);
  EXPECT_EQ(backend_.AskOpenFile(FileDialogSpec{}), std::nullopt);
}

TEST_F(PromptsTest, BoxLeftOpenByItsHookIsCancelled) {
  Answer(QMessageBox::NoButton);
  EXPECT_EQ(backend_.ShowMessage(MessageKind::kSavePrompt, "Do You Want to Save?", "x"),
            MessageAnswer::kCancel);
}

TEST_F(PromptsTest, FileDialogCarriesTheProgramsFiltersAndAnswersTheChosenFile) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString chosen = QDir(folder.path()).filePath(QStringLiteral("run1.kvx"));
  QStringList filters;
  QString title;
  QString suffix;
  QtTestHooks hooks;
  hooks.fileDialog = [&](QFileDialog& dialog) {
    filters = dialog.nameFilters();
    title = dialog.windowTitle();
    suffix = dialog.defaultSuffix();
    dialog.selectFile(chosen);
    QMetaObject::invokeMethod(&dialog, "accept", Qt::DirectConnection);
  };
  backend_.SetTestHooks(hooks);
  const FileDialogSpec request{"Save As:",
                               {{"KVX Files (*.KVX)", "*.KVX"}, {"All Files (*.*)", "*.*"}},
                               "KVX",
                               "untitled.kvx",
                               ""};
  const auto path = backend_.AskSaveFile(request);
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(QString::fromStdString(*path), chosen);
  EXPECT_EQ(title, QStringLiteral("Save As:"));
  EXPECT_EQ(suffix, QStringLiteral("KVX"));
  EXPECT_EQ(filters, (QStringList{QStringLiteral("KVX Files (*.KVX *.kvx)"),
                                  QStringLiteral("All Files (*)")}));
}

TEST_F(PromptsTest, CancelledFileDialogAnswersNothing) {
  QtTestHooks hooks;
  hooks.fileDialog = [](QFileDialog& dialog) { dialog.reject(); };
  backend_.SetTestHooks(hooks);
  EXPECT_FALSE(backend_.AskOpenFile(FileDialogSpec{"Locate Movie", {}, "", "", ""}).has_value());
}

}  // namespace
}  // namespace shell::qt::testing

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

using PromptsTest = QtBackendTest;

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

TEST_F(PromptsTest, FileDialogCarriesTheProgramsFiltersAndAnswersTheChosenFile) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString chosen = QDir(folder.path()).filePath(QStringLiteral("run1.kvx"));
  QStringList filters;
  QString title;
  QString suffix;
  QString openedIn;
  QtTestHooks hooks;
  hooks.fileDialog = [&](QFileDialog& dialog) {
    filters = dialog.nameFilters();
    title = dialog.windowTitle();
    suffix = dialog.defaultSuffix();
    openedIn = dialog.directory().absolutePath();
    dialog.selectFile(chosen);
    QMetaObject::invokeMethod(&dialog, "accept", Qt::DirectConnection);
  };
  backend_.SetTestHooks(hooks);
  const FileDialogSpec request{"Save As:",
                               {{"KVX Files (*.KVX)", "*.KVX"}, {"All Files (*.*)", "*.*"}},
                               "KVX",
                               "untitled.kvx",
                               folder.path().toStdString()};
  const auto path = backend_.AskSaveFile(request);
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(QString::fromStdString(*path), chosen);
  EXPECT_EQ(title, QStringLiteral("Save As:"));
  EXPECT_EQ(suffix, QStringLiteral("KVX"));
  EXPECT_EQ(openedIn, QDir(folder.path()).absolutePath());
  EXPECT_EQ(filters, (QStringList{QStringLiteral("KVX Files (*.KVX *.kvx)"),
                                  QStringLiteral("All Files (*)")}));
}

}  // namespace
}  // namespace shell::qt::testing

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "shell/qt/qt_desktop.h"

namespace shell::qt::testing {
namespace {

void WritePage(const QString& path, const QByteArray& html) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(html);
}

// A click on the middle of the first occurrence of `text`.
void ClickOnText(QTextBrowser& browser, const QString& text) {
  QTextCursor found = browser.document()->find(text);
  ASSERT_FALSE(found.isNull()) << text.toStdString();
  QTextCursor middle(browser.document());
  middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
  const QPoint at = browser.cursorRect(middle).center();
  const QPointF global = browser.viewport()->mapToGlobal(QPointF(at));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(browser.viewport(), &press);
  QApplication::sendEvent(browser.viewport(), &release);
}

// With no browser to start, a help page shows in the program's own window
// and its links lead on there.
TEST(HelpWindow, WithoutABrowserThePageShowsInTheProgramsOwnWindow) {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "");
  qunsetenv("BROWSER");
  qunsetenv("DEFAULT_BROWSER");
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  WritePage(folder.filePath("help_1.html"),
            "<html><head><title>Contents</title></head><body>"
            "<p><a href=\"help_2.html\">Taking data</a></p></body></html>");
  WritePage(folder.filePath("help_2.html"),
            "<html><head><title>Taking data</title></head><body><p>Click on the ball.</p>"
            "</body></html>");

  QtDesktop desktop;
  const QUrl first = QUrl::fromLocalFile(folder.filePath("help_1.html"));
  EXPECT_TRUE(desktop.OpenUrl(first.toString().toStdString()));
  QTextBrowser* help = desktop.HelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->source(), first);
  EXPECT_EQ(help->windowTitle(), QStringLiteral("Kinovex Help - Contents"));

  ClickOnText(*help, QStringLiteral("Taking data"));
  EXPECT_EQ(help->source().fileName(), QStringLiteral("help_2.html"));
  EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("Click on the ball.")));

  EXPECT_FALSE(desktop.OpenUrl(
      QUrl::fromLocalFile(folder.filePath("missing.html")).toString().toStdString()))
      << "a page that is not there is still reported";
  qputenv("PATH", path);
}

}  // namespace
}  // namespace shell::qt::testing

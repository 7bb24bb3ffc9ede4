#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include "recording_sink.h"
#include "shell/qt/qt_backend.h"
#include "shell/qt/qt_convert.h"

namespace shell::qt::testing {

// A backend on the test's QApplication with a recording program behind it.
class QtBackendTest : public ::testing::Test {
 protected:
  QtBackendTest() { backend_.SetEventSink(&sink_); }
  // The test's reactions belong to the derived fixture, which is gone by now.
  ~QtBackendTest() override {
    backend_.SetEventSink(nullptr);
    Flush();
  }

  // Lets queued work (posted commands, deferred deletions) run.
  static void Flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  RecordingSink sink_;
  QtBackend backend_;
};

inline Rgb PixelOf(const QImage& image, int x, int y) {
  const QRgb pixel = image.pixel(x, y);
  return MakeRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

}  // namespace shell::qt::testing

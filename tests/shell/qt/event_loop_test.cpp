#include <QAbstractButton>
#include <QMessageBox>

#include "qt_fixture.h"

namespace shell::qt::testing {
namespace {

class EventLoopTest : public QtBackendTest {};

TEST_F(EventLoopTest, TimerTicksUntilStoppedFromItsOwnTick) {
  const WindowHandle frame = backend_.CreateFrame(FrameSpec{"Kinovex"});
  int ticks = 0;
  sink_.On(EventKind::kTimer, [&](WindowHandle window, const Event& event) {
    EXPECT_EQ(window, frame);
    EXPECT_EQ(event.id, 5);
    if (++ticks == 3) {
      backend_.StopTimer(frame, 5);
      backend_.Post([&] { backend_.Quit(0); });
    }
    return 0;
  });
  backend_.StartTimer(frame, 5, 1);
  EXPECT_EQ(backend_.Run(), 0);
  Flush();
  EXPECT_EQ(ticks, 3);
}

}  // namespace
}  // namespace shell::qt::testing

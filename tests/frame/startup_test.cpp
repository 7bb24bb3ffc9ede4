#include "frame/startup.h"
#include "frame_fixture.h"

// The program is started twice in one process: a first start that stays,
// and a second start on the same screen that finds it.
class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    backend.SetFailureHandler([](const std::string& message) { ADD_FAILURE() << message; });
    startup.instanceDoor = "OPEN_KX_FILE-tester";
    startup.desktop = &firstDesktop;
    startup.trace = [this](const std::string& line) { trace.push_back(line); };
  }

  // The About box and then the Startup dialog, each closed by its user.
  void ExpectStartDialogs() {
    backend.QueueModal([this](shell::WindowHandle about) {
      shown.push_back(backend.Window(about)->title);
      backend.PressButton(about, 103);
    });
    backend.QueueModal([this](shell::WindowHandle setup) {
      shown.push_back(backend.Window(setup)->title);
      backend.PressButton(setup, 133);
    });
  }

  shell::HeadlessBackend backend;
  TdvShell shell{backend};
  std::vector<std::string> shown;
  shell::HeadlessDesktop firstDesktop{backend};
  TdvStartup startup;
  std::vector<std::string> trace;
};

TEST_F(StartupTest, TheFirstStartOpensTheFrameAndListens) {
  ExpectStartDialogs();
  EXPECT_EQ(RunKinovex(shell, startup), 0);
  ASSERT_NE(shell.Frame(), nullptr);
  const shell::HeadlessWindow* frame = backend.Window(shell.Frame()->hwnd);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->title, "Kinovex 2.1.2");
  EXPECT_FALSE(frame->accelerators.empty());
  EXPECT_EQ(trace, std::vector<std::string>{"listening OPEN_KX_FILE-tester"});
  ASSERT_NE(shell.Frame()->toolWindow, nullptr);
  EXPECT_TRUE(shell.Frame()->toolWindow->IsA(16));
  EXPECT_EQ(shown, (std::vector<std::string>{"About Kinovex", "Startup"}));
}

TEST_F(StartupTest, ASecondStartHandsItsPathOverAndEnds) {
  ExpectStartDialogs();
  RunKinovex(shell, startup);
  TdvAppWindow* first = shell.Frame();
  shell::HeadlessDesktop secondDesktop{backend};
  TdvStartup second = startup;
  second.desktop = &secondDesktop;
  second.commandLine = "/movies/toss.Kvx";
  second.trace = nullptr;
  backend.ExpectMessage("Kinovex Cannot Open this Type of File");
  EXPECT_EQ(RunKinovex(shell, second), 0);
  EXPECT_EQ(shell.Frame(), first) << "no second frame";
  backend.RunPosted();
  EXPECT_EQ(trace.back(), "open /movies/toss.Kvx");
}

#include "frame/startup.h"

#include "frame/video_motion_window.h"
#include "shell/shell.h"

namespace {

constexpr const char* kOpenFileMessage = "OPEN_KX_FILE";

// A path handed over by a second start arrives as the frame's open-file
// event; with no path the frame only comes to the top.
void DeliverOpenRequest(const std::string& path) {
  if (!TdvShell::Exists() || TdvShell::Get().Frame() == nullptr) {
    return;
  }
  TdvShell& shell = TdvShell::Get();
  const shell::WindowHandle frame = shell.Frame()->hwnd;
  if (frame == shell::kNoWindow) {
    return;
  }
  shell.Backend().BringToTop(frame);
  shell::Event event;
  event.kind = shell::EventKind::kOpenPath;
  event.paths = {path};
  shell.Dispatch(frame, event);
}

}  // namespace

std::string InstanceDoorName(const char* user, const char* runtimeFolder) {
  std::string name = std::string(kOpenFileMessage) + "-";
  for (const char* c = user != nullptr ? user : ""; *c != '\0'; ++c) {
    const bool plain = (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') ||
                       (*c >= '0' && *c <= '9') || *c == '_' || *c == '-' || *c == '.';
    name += plain ? *c : '_';
  }
  if (runtimeFolder == nullptr || *runtimeFolder == '\0') {
    return name;
  }
  return (std::filesystem::path(runtimeFolder) / name).string();
}

int RunKinovex(TdvShell& shell, const TdvStartup& startup) {
  shell::DesktopServices* desktop = startup.desktop;
  if (desktop != nullptr && desktop->SendOpenRequest(startup.instanceDoor, startup.commandLine)) {
    return 0;
  }
  shell.SetSamplesFolder(startup.samplesFolder.string());
  auto* frame = shell.Keep(
      std::make_unique<TdvVideoMotionWindow>(startup.videoLibrary, desktop, startup.helpFolder));
  if (startup.trace) {
    frame->onOpenPath = [trace = startup.trace](const std::string& path) { trace("open " + path); };
  }
  // Without a frame nothing could ever end the event loop.
  if (frame->OpenWindow() == 0) {
    shell.Fault("Create Window Fails", "xxx");
    return 1;
  }
  if (desktop != nullptr &&
      desktop->ListenForOpenRequests(startup.instanceDoor, DeliverOpenRequest) && startup.trace) {
    startup.trace("listening " + startup.instanceDoor);
  }
  shell.Backend().Show(frame->hwnd, shell::ShowCommand::kMaximize);
  frame->OpenToolBar();
  if (startup.commandLine.empty()) {
    frame->OpenAboutDialog();
    frame->OpenStartupDialog();
  } else {
    frame->OpenPath(startup.commandLine);
  }
  return shell.Backend().Run();
}

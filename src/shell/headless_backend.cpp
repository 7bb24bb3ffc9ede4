#include "shell/headless_backend.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace shell {

namespace {

constexpr int kBackspace = 8;

Picture Resized(const Picture& old, Size size) {
  Picture resized(size.width, size.height);
  for (int y = 0; y < std::min(old.Height(), size.height); ++y) {
    for (int x = 0; x < std::min(old.Width(), size.width); ++x) {
      resized.Set(x, y, old.At(x, y));
    }
  }
  return resized;
}

std::string MessageLine(const std::string& text, const std::string& caption) {
  return "[" + caption + "] " + text;
}

}  // namespace

// A print job on the printer the script queued; its pages are kept in the
// backend's record of the job.
class HeadlessPrintJob : public PrintJob {
 public:
  HeadlessPrintJob(HeadlessBackend& backend, std::size_t index)
      : backend_(backend), index_(index) {}

  Size DotsPerInch() const override { return Record().printer.dotsPerInch; }
  Size PageSize() const override { return Record().printer.pageSize; }
  bool StartDocument() override { return !Record().printer.failStartDocument; }
  bool StartPage() override {
    if (Record().printer.failStartPage) {
      return false;
    }
    Size size = Record().printer.pageSize;
    page_ = std::make_shared<Picture>(size.width, size.height);
    surface_ = backend_.SurfaceOn(page_, kNoWindow);
    return true;
  }
  Surface& Page() override {
    if (!surface_) {
      StartPage();
    }
    return *surface_;
  }
  bool EndPage() override {
    if (page_) {
      Record().pages.push_back(*page_);
    }
    surface_.reset();
    page_.reset();
    return true;
  }
  bool EndDocument() override {
    Record().finished = true;
    return true;
  }
  void Abort() override {
    surface_.reset();
    page_.reset();
    Record().aborted = true;
  }
  bool CancelRequested() override { return Record().printer.pressCancel; }

 private:
  PrintedJob& Record() const { return backend_.printed_[index_]; }

  HeadlessBackend& backend_;
  std::size_t index_;
  std::shared_ptr<Picture> page_;
  std::unique_ptr<Surface> surface_;
};

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend() = default;

// ------------------------------------------------------------------ script

void HeadlessBackend::ExpectMessage(const std::string& text, MessageAnswer answer,
                                    std::optional<std::string> caption) {
  expectedMessages_.push_back({text, answer, std::move(caption)});
}

void HeadlessBackend::AnswerUnexpectedMessages(std::optional<MessageAnswer> answer) {
  unexpectedAnswer_ = answer;
}

void HeadlessBackend::QueueFileAnswer(std::optional<std::string> path) {
  fileAnswers_.push_back(std::move(path));
}

void HeadlessBackend::QueuePrinter(const HeadlessPrinter& printer) {
  printers_.push_back(printer);
}

void HeadlessBackend::QueueModal(std::function<void(WindowHandle)> handler) {
  modalHandlers_.push_back(std::move(handler));
}

void HeadlessBackend::SetFailureHandler(std::function<void(const std::string&)> handler) {
  failure_ = std::move(handler);
}

std::vector<std::string> HeadlessBackend::UnusedScript() const {
  std::vector<std::string> unused;
  for (const ScriptedMessage& message : expectedMessages_) {
    unused.push_back("message box " + MessageLine(message.text, message.caption.value_or("*")));
  }
  for (const auto& answer : fileAnswers_) {
    unused.push_back("file dialog answer " + answer.value_or("(cancel)"));
  }
  if (!printers_.empty()) {
    unused.push_back(std::to_string(printers_.size()) + " print dialog answer(s)");
  }
  if (!modalHandlers_.empty()) {
    unused.push_back(std::to_string(modalHandlers_.size()) + " modal dialog handler(s)");
  }
  return unused;
}

void HeadlessBackend::Fail(const std::string& message) const {
  if (failure_) {
    failure_(message);
    return;
  }
  std::fprintf(stderr, "headless backend: %s\n", message.c_str());
  std::abort();
}

// ------------------------------------------------------------------ records

std::vector<DrawRecord> HeadlessBackend::DrawingOn(WindowHandle target) const {
  std::vector<DrawRecord> found;
  std::copy_if(drawing_.begin(), drawing_.end(), std::back_inserter(found),
               [target](const DrawRecord& record) { return record.target == target; });
  return found;
}

HeadlessWindow* HeadlessBackend::Find(WindowHandle window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

const HeadlessWindow* HeadlessBackend::Find(WindowHandle window) const {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : &found->second;
}

const HeadlessWindow* HeadlessBackend::Window(WindowHandle window) const {
  return Find(window);
}

const Picture& HeadlessBackend::Pixels(WindowHandle window) const {
  static const Picture kNone;
  const HeadlessWindow* found = Find(window);
  return found == nullptr ? kNone : *found->pixels;
}

WindowHandle HeadlessBackend::ControlOf(WindowHandle parent, int id) const {
  for (const auto& [handle, window] : windows_) {
    if (window.kind == HeadlessKind::kControl && window.parent == parent &&
        window.control.id == id) {
      return handle;
    }
  }
  return kNoWindow;
}

std::vector<WindowHandle> HeadlessBackend::Children(WindowHandle parent) const {
  std::vector<WindowHandle> children;
  for (const auto& [handle, window] : windows_) {
    if (window.parent == parent) {
      children.push_back(handle);
    }
  }
  return children;
}

const MenuItem* HeadlessBackend::MenuBar(WindowHandle frame) const {
  const HeadlessWindow* window = Find(frame);
  return window == nullptr ? nullptr : window->menuBar;
}

// ------------------------------------------------------------------ user actions

int HeadlessBackend::Dispatch(WindowHandle window, const Event& event) {
  if (sink_ == nullptr || !Exists(window)) {
    return kNotHandled;
  }
  return sink_->Dispatch(window, event);
}

int HeadlessBackend::Send(WindowHandle window, const Event& event) {
  int result = Dispatch(window, event);
  if (event.kind == EventKind::kClose && result == kNotHandled) {
    DestroyWindow(window);
  }
  return result;
}

namespace {

Event PointerEvent(EventKind kind, Point point, Modifiers modifiers) {
  Event event;
  event.kind = kind;
  event.point = point;
  event.modifiers = modifiers;
  return event;
}

}  // namespace

void HeadlessBackend::MouseDown(WindowHandle window, Point point, Modifiers modifiers) {
  Send(window, PointerEvent(EventKind::kMouseDown, point, modifiers));
}

void HeadlessBackend::MouseUp(WindowHandle window, Point point, Modifiers modifiers) {
  Send(window, PointerEvent(EventKind::kMouseUp, point, modifiers));
}

void HeadlessBackend::MouseMove(WindowHandle window, Point point, Modifiers modifiers) {
  Send(window, PointerEvent(EventKind::kMouseMove, point, modifiers));
}

void HeadlessBackend::DoubleClick(WindowHandle window, Point point, Modifiers modifiers) {
  Send(window, PointerEvent(EventKind::kDoubleClick, point, modifiers));
}

void HeadlessBackend::Click(WindowHandle window, Point point, Modifiers modifiers) {
  MouseDown(window, point, modifiers);
  MouseUp(window, point, modifiers);
}

void HeadlessBackend::PressKey(WindowHandle window, Key key, Modifiers modifiers) {
  Event event;
  event.kind = EventKind::kKeyDown;
  event.key = key;
  event.modifiers = modifiers;
  Send(window, event);
}

void HeadlessBackend::Command(WindowHandle frame, int id) {
  Event event;
  event.kind = EventKind::kCommand;
  event.id = id;
  Send(frame, event);
}

void HeadlessBackend::Close(WindowHandle window) {
  Event event;
  event.kind = EventKind::kClose;
  Send(window, event);
}

void HeadlessBackend::Paint(WindowHandle window) {
  Event event;
  event.kind = EventKind::kPaint;
  Send(window, event);
}

void HeadlessBackend::Activate(WindowHandle window) {
  HeadlessWindow* target = Find(window);
  if (target == nullptr) {
    return;
  }
  for (auto& [handle, other] : windows_) {
    if (handle != window && other.kind == target->kind && other.parent == target->parent &&
        other.active) {
      other.active = false;
      Event deactivate;
      deactivate.kind = EventKind::kActivate;
      deactivate.flag = false;
      Send(handle, deactivate);
      break;
    }
  }
  if (HeadlessWindow* again = Find(window)) {
    again->active = true;
    Event activate;
    activate.kind = EventKind::kActivate;
    activate.flag = true;
    Send(window, activate);
  }
}

void HeadlessBackend::Resize(WindowHandle window, Size clientSize) {
  SetClientSize(window, clientSize);
}

void HeadlessBackend::PressButton(WindowHandle parent, int id, Point where) {
  const HeadlessWindow* control = Find(ControlOf(parent, id));
  if (control == nullptr || !control->enabled) {
    Fail("the script pressed control " + std::to_string(id) + ", which is not there or disabled");
    return;
  }
  Event event;
  event.kind = EventKind::kButton;
  event.id = id;
  event.point = where;
  Send(parent, event);
}

void HeadlessBackend::TypeCharacter(WindowHandle parent, int id, char32_t character,
                                    Modifiers modifiers) {
  Event event;
  event.kind = EventKind::kEditChar;
  event.id = id;
  event.character = character;
  event.modifiers = modifiers;
  if (Send(parent, event) != kNotHandled) {
    return;
  }
  HeadlessWindow* control = Find(ControlOf(parent, id));
  if (control == nullptr) {
    return;
  }
  if (character == kBackspace) {
    if (!control->title.empty()) {
      control->title.pop_back();
    }
  } else if (character >= 0x20 && character < 0x7F) {
    control->title.push_back(static_cast<char>(character));
  }
}

void HeadlessBackend::TypeText(WindowHandle parent, int id, const std::string& text,
                               Modifiers modifiers) {
  for (char c : text) {
    TypeCharacter(parent, id, static_cast<unsigned char>(c), modifiers);
  }
}

void HeadlessBackend::ChoosePopup(WindowHandle parent, int id, int selection) {
  HeadlessWindow* control = Find(ControlOf(parent, id));
  if (control == nullptr || !control->enabled || selection < 1 ||
      selection > static_cast<int>(control->control.items.size())) {
    Fail("the script chose item " + std::to_string(selection) + " of pop-up " + std::to_string(id) +
         ", which it does not have");
    return;
  }
  control->popupShown = selection;
  Event event;
  event.kind = EventKind::kPopupSelect;
  event.id = id;
  event.selection = selection;
  Send(parent, event);
}

void HeadlessBackend::ClickListRow(WindowHandle parent, int id, int row) {
  HeadlessWindow* list = Find(ControlOf(parent, id));
  if (list == nullptr || !list->enabled || row < 0 ||
      row >= static_cast<int>(list->listItems.size())) {
    Fail("the script clicked row " + std::to_string(row) + " of list " + std::to_string(id) +
         ", which it does not have or is disabled");
    return;
  }
  if (!list->control.multipleSelection) {
    list->listSelection = {row};
  } else if (list->listSelection.erase(row) == 0) {
    list->listSelection.insert(row);
  }
  Event event;
  event.kind = EventKind::kListNotify;
  event.id = id;
  event.scrollCode = kListSelectionChanged;
  Send(parent, event);
}

void HeadlessBackend::Scroll(WindowHandle parent, int id, int code, int position) {
  if (HeadlessWindow* control = Find(ControlOf(parent, id));
      control != nullptr && code == kScrollThumb) {
    control->scrollPosition = position;
  }
  Event event;
  event.kind = EventKind::kScroll;
  event.id = id;
  event.scrollCode = code;
  event.position = position;
  Send(parent, event);
}

void HeadlessBackend::FireTimer(WindowHandle window, int id) {
  const HeadlessWindow* target = Find(window);
  if (target == nullptr || target->timers.count(id) == 0) {
    return;
  }
  Event event;
  event.kind = EventKind::kTimer;
  event.id = id;
  Send(window, event);
}

void HeadlessBackend::DropFiles(WindowHandle window, const std::vector<std::string>& paths) {
  Event event;
  event.kind = EventKind::kDropFiles;
  event.paths = paths;
  Send(window, event);
}

void HeadlessBackend::RunPosted() {
  while (!posted_.empty()) {
    std::function<void()> task = std::move(posted_.front());
    posted_.pop_front();
    task();
  }
}

int HeadlessBackend::Run() {
  RunPosted();
  return quitCode_.value_or(0);
}

void HeadlessBackend::Quit(int code) {
  quitCode_ = code;
}

// ------------------------------------------------------------------ windows

Size HeadlessBackend::Frame(const HeadlessWindow& window) const {
  switch (window.kind) {
    case HeadlessKind::kFrame:
    case HeadlessKind::kMdiChild:
      return {2 * metrics_.borderWidth, metrics_.captionHeight + 2 * metrics_.borderWidth};
    case HeadlessKind::kDialog:
      return {2 * metrics_.dialogFrameWidth,
              metrics_.captionHeight + 2 * metrics_.dialogFrameHeight};
    default:
      return {0, 0};
  }
}

WindowHandle HeadlessBackend::Make(HeadlessKind kind, WindowHandle parent, const std::string& title,
                                   const Rect& outer, Size client) {
  WindowHandle handle = nextHandle_++;
  HeadlessWindow window;
  window.kind = kind;
  window.parent = parent;
  window.title = title;
  window.outer = outer;
  window.pixels = std::make_shared<Picture>(std::max(client.width, 0), std::max(client.height, 0));
  windows_.emplace(handle, std::move(window));
  return handle;
}

void HeadlessBackend::Announce(WindowHandle window) {
  Event create;
  create.kind = EventKind::kCreate;
  Dispatch(window, create);
  if (const HeadlessWindow* made = Find(window)) {
    Event size;
    size.kind = EventKind::kSize;
    size.size = {made->pixels->Width(), made->pixels->Height()};
    Dispatch(window, size);
  }
}

WindowHandle HeadlessBackend::CreateFrame(const FrameSpec& request) {
  HeadlessWindow probe;
  probe.kind = HeadlessKind::kFrame;
  const Size frame = Frame(probe);
  const Rect outer{0, 0, 1024, 768};
  WindowHandle handle = Make(HeadlessKind::kFrame, kNoWindow, request.title, outer,
                             {RectWidth(outer) - frame.width, RectHeight(outer) - frame.height});
  Announce(handle);
  return handle;
}

WindowHandle HeadlessBackend::CreateMdiChild(WindowHandle frame, const ChildSpec& request) {
  if (Find(frame) == nullptr) {
    return kNoWindow;
  }
  HeadlessWindow probe;
  probe.kind = HeadlessKind::kMdiChild;
  const Size border = Frame(probe);
  WindowHandle handle =
      Make(HeadlessKind::kMdiChild, frame, request.title, request.rect,
           {RectWidth(request.rect) - border.width, RectHeight(request.rect) - border.height});
  Find(handle)->icon = request.icon;
  Announce(handle);
  Activate(handle);
  return Exists(handle) ? handle : kNoWindow;
}

WindowHandle HeadlessBackend::CreateChild(WindowHandle parent, const ChildSpec& request) {
  if (Find(parent) == nullptr) {
    return kNoWindow;
  }
  WindowHandle handle = Make(HeadlessKind::kChild, parent, request.title, request.rect,
                             {RectWidth(request.rect), RectHeight(request.rect)});
  Announce(handle);
  return Exists(handle) ? handle : kNoWindow;
}

WindowHandle HeadlessBackend::CreateDialog(const DialogSpec& request) {
  HeadlessWindow probe;
  probe.kind = HeadlessKind::kDialog;
  const Size border = Frame(probe);
  const Rect outer{request.rect.left, request.rect.top, request.rect.right + border.width,
                   request.rect.bottom + border.height};
  WindowHandle handle = Make(HeadlessKind::kDialog, request.owner, request.title, outer,
                             {RectWidth(request.rect), RectHeight(request.rect)});
  Find(handle)->modal = request.modal;
  Announce(handle);
  if (Exists(handle)) {
    Event show;
    show.kind = EventKind::kShow;
    show.flag = true;
    Dispatch(handle, show);
  }
  return Exists(handle) ? handle : kNoWindow;
}

void HeadlessBackend::RunModal(WindowHandle dialog) {
  HeadlessWindow* window = Find(dialog);
  if (window == nullptr) {
    return;
  }
  window->inModalLoop = true;
  const std::string title = window->title;
  if (modalHandlers_.empty()) {
    Fail("a modal dialog \"" + title + "\" opened that the script did not expect");
  } else {
    std::function<void(WindowHandle)> handler = std::move(modalHandlers_.front());
    modalHandlers_.pop_front();
    handler(dialog);
    if (const HeadlessWindow* still = Find(dialog); still != nullptr && still->inModalLoop) {
      Fail("the script left the modal dialog \"" + title + "\" open");
    }
  }
  if (Exists(dialog) && Find(dialog)->inModalLoop) {
    Close(dialog);
  }
  if (HeadlessWindow* still = Find(dialog)) {
    still->inModalLoop = false;
  }
}

void HeadlessBackend::EndModal(WindowHandle dialog) {
  if (HeadlessWindow* window = Find(dialog)) {
    window->inModalLoop = false;
  }
}

void HeadlessBackend::DestroyWindow(WindowHandle window) {
  HeadlessWindow* target = Find(window);
  if (target == nullptr) {
    return;
  }
  for (WindowHandle child : Children(window)) {
    DestroyWindow(child);
  }
  const bool isControl = Find(window)->kind == HeadlessKind::kControl;
  if (!isControl) {
    Event destroy;
    destroy.kind = EventKind::kDestroy;
    Dispatch(window, destroy);
  }
  windows_.erase(window);
  if (focus_ == window) {
    focus_ = kNoWindow;
  }
}

void HeadlessBackend::SetTitle(WindowHandle window, const std::string& title) {
  if (HeadlessWindow* target = Find(window)) {
    target->title = title;
  }
}

Rect HeadlessBackend::OuterRect(WindowHandle window) const {
  const HeadlessWindow* target = Find(window);
  return target == nullptr ? Rect{} : target->outer;
}

void HeadlessBackend::MoveWindow(WindowHandle window, const Rect& outer) {
  HeadlessWindow* target = Find(window);
  if (target == nullptr) {
    return;
  }
  const Size border = Frame(*target);
  const Size client{std::max(RectWidth(outer) - border.width, 0),
                    std::max(RectHeight(outer) - border.height, 0)};
  target->outer = outer;
  const bool resized =
      client.width != target->pixels->Width() || client.height != target->pixels->Height();
  if (resized) {
    target->pixels = std::make_shared<Picture>(Resized(*target->pixels, client));
  }
  if (target->kind == HeadlessKind::kControl) {
    return;
  }
  Event moved;
  moved.kind = EventKind::kWindowMoved;
  Dispatch(window, moved);
  if (resized) {
    Event size;
    size.kind = EventKind::kSize;
    size.size = client;
    Dispatch(window, size);
  }
}

Size HeadlessBackend::ClientSize(WindowHandle window) const {
  const HeadlessWindow* target = Find(window);
  return target == nullptr ? Size{} : Size{target->pixels->Width(), target->pixels->Height()};
}

void HeadlessBackend::SetClientSize(WindowHandle window, Size size) {
  HeadlessWindow* target = Find(window);
  if (target == nullptr) {
    return;
  }
  const Size border = Frame(*target);
  Rect outer = target->outer;
  outer.right = outer.left + size.width + border.width;
  outer.bottom = outer.top + size.height + border.height;
  MoveWindow(window, outer);
}

void HeadlessBackend::Show(WindowHandle window, ShowCommand command) {
  HeadlessWindow* target = Find(window);
  if (target == nullptr) {
    return;
  }
  const bool wasVisible = target->visible;
  target->visible = command != ShowCommand::kHide;
  target->iconic = command == ShowCommand::kMinimize;
  if (target->kind != HeadlessKind::kControl && wasVisible != target->visible) {
    Event show;
    show.kind = EventKind::kShow;
    show.flag = target->visible;
    Dispatch(window, show);
  }
}

bool HeadlessBackend::IsIconic(WindowHandle window) const {
  const HeadlessWindow* target = Find(window);
  return target != nullptr && target->iconic;
}

void HeadlessBackend::BringToTop(WindowHandle window) {
  const HeadlessWindow* target = Find(window);
  if (target != nullptr && target->kind == HeadlessKind::kMdiChild && !target->active) {
    Activate(window);
  }
}

void HeadlessBackend::Enable(WindowHandle window, bool enabled) {
  if (HeadlessWindow* target = Find(window)) {
    target->enabled = enabled;
  }
}

// Like the system's invalidation, the repaint comes later: after the
// current event, when the posted tasks run.
void HeadlessBackend::Invalidate(WindowHandle window, const std::optional<Rect>&) {
  const HeadlessWindow* target = Find(window);
  if (target == nullptr) {
    return;
  }
  if (target->kind != HeadlessKind::kControl) {
    Post([this, window] { Paint(window); });
    return;
  }
  const bool ownerDrawn = target->control.kind == ControlKind::kDrawnArea ||
                          target->control.kind == ControlKind::kDrawnButton;
  if (ownerDrawn) {
    const WindowHandle parent = target->parent;
    const int id = target->control.id;
    Post([this, parent, window, id] {
      if (Exists(window)) {
        Event draw;
        draw.kind = EventKind::kOwnerDraw;
        draw.id = id;
        Send(parent, draw);
      }
    });
  }
}

void HeadlessBackend::ArrangeIcons(WindowHandle frame) {
  int column = 0;
  for (auto& [handle, window] : windows_) {
    if (window.parent == frame && window.kind == HeadlessKind::kMdiChild && window.iconic) {
      const int width = RectWidth(window.outer);
      const int height = RectHeight(window.outer);
      window.outer = {column * width, 0, (column + 1) * width, height};
      ++column;
    }
  }
}

// ------------------------------------------------------------------ drawing

std::unique_ptr<Surface> HeadlessBackend::SurfaceOn(std::shared_ptr<Picture> pixels,
                                                    WindowHandle target,
                                                    std::shared_ptr<PixelMarks> marks) {
  return std::make_unique<HeadlessSurface>(
      std::move(pixels), target, [this](DrawRecord record) { drawing_.push_back(record); },
      [this](int id) { return IconResource(id); }, std::move(marks));
}

std::unique_ptr<Surface> HeadlessBackend::OpenSurface(WindowHandle window) {
  HeadlessWindow* target = Find(window);
  return target == nullptr ? nullptr : SurfaceOn(target->pixels, window, target->marks);
}

std::unique_ptr<Surface> HeadlessBackend::CreatePictureSurface(Size size) {
  return SurfaceOn(std::make_shared<Picture>(std::max(size.width, 0), std::max(size.height, 0)),
                   kNoWindow);
}

std::optional<Picture> HeadlessBackend::BitmapResource(int id) const {
  auto found = bitmaps_.find(id);
  return found == bitmaps_.end() ? std::nullopt : std::optional<Picture>(found->second);
}

std::optional<Picture> HeadlessBackend::IconResource(int id) const {
  auto found = icons_.find(id);
  return found == icons_.end() ? std::nullopt : std::optional<Picture>(found->second);
}

// ------------------------------------------------------------------ controls

WindowHandle HeadlessBackend::CreateControl(WindowHandle parent, const ControlSpec& request) {
  if (Find(parent) == nullptr) {
    return kNoWindow;
  }
  WindowHandle handle = Make(HeadlessKind::kControl, parent, request.text, request.rect,
                             {RectWidth(request.rect), RectHeight(request.rect)});
  HeadlessWindow& control = *Find(handle);
  control.control = request;
  control.visible = request.visible;
  control.isDefault = request.defaultButton;
  Invalidate(handle, std::nullopt);
  return handle;
}

void HeadlessBackend::SetText(WindowHandle control, const std::string& text) {
  if (HeadlessWindow* target = Find(control)) {
    target->title = text;
  }
}

std::string HeadlessBackend::Text(WindowHandle control) const {
  const HeadlessWindow* target = Find(control);
  return target == nullptr ? std::string() : target->title;
}

void HeadlessBackend::SetFocus(WindowHandle control) {
  if (Exists(control)) {
    focus_ = control;
  }
}

void HeadlessBackend::SetDefaultButton(WindowHandle button, bool isDefault) {
  if (HeadlessWindow* target = Find(button)) {
    target->isDefault = isDefault;
  }
}

void HeadlessBackend::SetChecked(WindowHandle checkBox, bool checked) {
  if (HeadlessWindow* target = Find(checkBox)) {
    target->checked = checked;
  }
}

bool HeadlessBackend::IsChecked(WindowHandle checkBox) const {
  const HeadlessWindow* target = Find(checkBox);
  return target != nullptr && target->checked;
}

void HeadlessBackend::SetScrollRange(WindowHandle scrollBar, int minimum, int maximum) {
  if (HeadlessWindow* target = Find(scrollBar)) {
    target->scrollRange = {minimum, maximum};
    target->scrollPosition =
        std::clamp(target->scrollPosition, minimum, std::max(minimum, maximum));
  }
}

std::pair<int, int> HeadlessBackend::ScrollRange(WindowHandle scrollBar) const {
  const HeadlessWindow* target = Find(scrollBar);
  return target == nullptr ? std::pair<int, int>{0, 0} : target->scrollRange;
}

void HeadlessBackend::SetScrollPosition(WindowHandle scrollBar, int position) {
  if (HeadlessWindow* target = Find(scrollBar)) {
    auto [minimum, maximum] = target->scrollRange;
    target->scrollPosition = std::clamp(position, minimum, std::max(minimum, maximum));
  }
}

int HeadlessBackend::ScrollPosition(WindowHandle scrollBar) const {
  const HeadlessWindow* target = Find(scrollBar);
  return target == nullptr ? 0 : target->scrollPosition;
}

int HeadlessBackend::ListAdd(WindowHandle listBox, const std::string& text) {
  HeadlessWindow* target = Find(listBox);
  if (target == nullptr) {
    return -1;
  }
  auto place = std::upper_bound(target->listItems.begin(), target->listItems.end(), text);
  const int index = static_cast<int>(place - target->listItems.begin());
  ListInsert(listBox, index, text);
  return index;
}

void HeadlessBackend::ListInsert(WindowHandle listBox, int index, const std::string& text) {
  HeadlessWindow* target = Find(listBox);
  if (target == nullptr) {
    return;
  }
  const int count = static_cast<int>(target->listItems.size());
  if (index < 0 || index > count) {
    index = count;
  }
  target->listItems.insert(target->listItems.begin() + index, text);
  std::set<int> shifted;
  for (int selected : target->listSelection) {
    shifted.insert(selected >= index ? selected + 1 : selected);
  }
  target->listSelection = shifted;
}

void HeadlessBackend::ListDelete(WindowHandle listBox, int index) {
  HeadlessWindow* target = Find(listBox);
  if (target == nullptr || index < 0 || index >= static_cast<int>(target->listItems.size())) {
    return;
  }
  target->listItems.erase(target->listItems.begin() + index);
  std::set<int> shifted;
  for (int selected : target->listSelection) {
    if (selected != index) {
      shifted.insert(selected > index ? selected - 1 : selected);
    }
  }
  target->listSelection = shifted;
}

int HeadlessBackend::ListCount(WindowHandle listBox) const {
  const HeadlessWindow* target = Find(listBox);
  return target == nullptr ? 0 : static_cast<int>(target->listItems.size());
}

std::string HeadlessBackend::ListText(WindowHandle listBox, int index) const {
  const HeadlessWindow* target = Find(listBox);
  if (target == nullptr || index < 0 || index >= static_cast<int>(target->listItems.size())) {
    return {};
  }
  return target->listItems[static_cast<std::size_t>(index)];
}

void HeadlessBackend::ListSelect(WindowHandle listBox, int index) {
  HeadlessWindow* target = Find(listBox);
  if (target == nullptr) {
    return;
  }
  target->listSelection.clear();
  if (index >= 0 && index < static_cast<int>(target->listItems.size())) {
    target->listSelection.insert(index);
  }
}

void HeadlessBackend::ListSetSelected(WindowHandle listBox, int index, bool selected) {
  HeadlessWindow* target = Find(listBox);
  if (target == nullptr || index < 0 || index >= static_cast<int>(target->listItems.size())) {
    return;
  }
  if (selected) {
    target->listSelection.insert(index);
  } else {
    target->listSelection.erase(index);
  }
}

std::vector<int> HeadlessBackend::ListSelection(WindowHandle listBox) const {
  const HeadlessWindow* target = Find(listBox);
  return target == nullptr
             ? std::vector<int>{}
             : std::vector<int>(target->listSelection.begin(), target->listSelection.end());
}

void HeadlessBackend::PopupSetItems(WindowHandle popup, const std::vector<std::string>& items) {
  if (HeadlessWindow* target = Find(popup)) {
    target->control.items = items;
    target->popupShown = 0;
  }
}

void HeadlessBackend::PopupShowItem(WindowHandle popup, int selection) {
  if (HeadlessWindow* target = Find(popup)) {
    target->popupShown = selection;
  }
}

void HeadlessBackend::PopupSetLabel(WindowHandle popup, const std::string& label) {
  if (HeadlessWindow* target = Find(popup)) {
    target->title = label;
    target->control.text = label;
  }
}

void HeadlessBackend::SetRedraw(WindowHandle control, bool redraw) {
  if (HeadlessWindow* target = Find(control)) {
    target->redraw = redraw;
  }
}

void HeadlessBackend::SelectText(WindowHandle edit, int start, int end) {
  if (HeadlessWindow* target = Find(edit)) {
    target->textSelection = {start, end};
  }
}

void HeadlessBackend::SetToolTip(WindowHandle control, const std::string& text) {
  if (HeadlessWindow* target = Find(control)) {
    target->toolTip = text;
  }
}

// ------------------------------------------------------------------ menus

void HeadlessBackend::SetMenuBar(WindowHandle frame, const MenuItem* bar, int windowMenu) {
  if (HeadlessWindow* target = Find(frame)) {
    target->menuBar = bar;
    target->windowMenu = windowMenu;
    ++menuRefreshes_;
  }
}

void HeadlessBackend::RefreshMenuBar(WindowHandle frame) {
  if (Exists(frame)) {
    ++menuRefreshes_;
  }
}

void HeadlessBackend::SetAccelerators(WindowHandle frame, const std::vector<Accelerator>& keys) {
  if (HeadlessWindow* target = Find(frame)) {
    target->accelerators = keys;
  }
}

// ------------------------------------------------------------------ dialogs of the system

MessageAnswer HeadlessBackend::ShowMessage(MessageKind kind, const std::string& text,
                                           const std::string& caption) {
  messages_.push_back({kind, text, caption});
  const MessageAnswer refusal =
      kind == MessageKind::kInformation ? MessageAnswer::kOk : MessageAnswer::kCancel;
  if (expectedMessages_.empty()) {
    if (unexpectedAnswer_) {
      return *unexpectedAnswer_;
    }
    Fail("unexpected message box " + MessageLine(text, caption));
    return refusal;
  }
  ScriptedMessage expected = expectedMessages_.front();
  expectedMessages_.pop_front();
  if (expected.text != text || (expected.caption && *expected.caption != caption)) {
    Fail("message box " + MessageLine(text, caption) + " where the script expected " +
         MessageLine(expected.text, expected.caption.value_or("*")));
    return refusal;
  }
  return expected.answer;
}

std::optional<std::string> HeadlessBackend::AskOpenFile(const FileDialogSpec& request) {
  fileDialogs_.push_back(request);
  if (fileAnswers_.empty()) {
    Fail("unexpected file dialog \"" + request.title + "\"");
    return std::nullopt;
  }
  std::optional<std::string> answer = fileAnswers_.front();
  fileAnswers_.pop_front();
  return answer;
}

std::optional<std::string> HeadlessBackend::AskSaveFile(const FileDialogSpec& request) {
  return AskOpenFile(request);
}

bool HeadlessBackend::SetClipboardText(const std::string& text) {
  if (!clipboardWorks_) {
    return false;
  }
  clipboardText_ = text;
  clipboardPicture_.reset();
  return true;
}

bool HeadlessBackend::SetClipboardPicture(const Picture& picture) {
  if (!clipboardWorks_) {
    return false;
  }
  clipboardPicture_ = picture;
  clipboardText_.reset();
  return true;
}

std::string HeadlessBackend::WritePictureFile(const std::string& path, Size size,
                                              const PictureDrawing& draw) {
  std::string refusal = PictureFileRefusal(path, size);
  if (refusal.empty()) {
    auto pixels = std::make_shared<Picture>(size.width, size.height);
    draw(*SurfaceOn(pixels, kNoWindow));
    writtenPictures_.push_back({path, *pixels});
  }
  return refusal;
}

std::unique_ptr<PrintJob> HeadlessBackend::AskPrint(WindowHandle, const PrintJobSpec& request) {
  if (printers_.empty()) {
    Fail("unexpected print dialog for \"" + request.jobName + "\"");
    return nullptr;
  }
  HeadlessPrinter printer = printers_.front();
  printers_.pop_front();
  if (!printer.confirm) {
    return nullptr;
  }
  printed_.push_back({request, printer, {}, false, false});
  return std::make_unique<HeadlessPrintJob>(*this, printed_.size() - 1);
}

void HeadlessBackend::StartTimer(WindowHandle window, int id, int) {
  if (HeadlessWindow* target = Find(window)) {
    target->timers.insert(id);
  }
}

void HeadlessBackend::StopTimer(WindowHandle window, int id) {
  if (HeadlessWindow* target = Find(window)) {
    target->timers.erase(id);
  }
}

}  // namespace shell

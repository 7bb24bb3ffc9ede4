#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "foundation/tagged_record.h"
#include "foundation/tagged_writer.h"
#include "shell/backend.h"
#include "shell/control_info.h"

class TdvAppWindow;
class TdvShell;

// The answer of an operation that leaves the event to the next handler.
inline constexpr int kTdvNotHandled = shell::kNotHandled;

// The modifier word of mouse and key operations.
inline constexpr int kTdvControlKey = 0x1100;
inline constexpr int kTdvShiftKey = 0x0200;
inline constexpr int kTdvRightButton = 0x0800;

// Characters of DoKeyDown besides Tab (9): the arrows and Delete.
inline constexpr int kTdvKeyTab = 9;
inline constexpr int kTdvKeyDelete = 8;
inline constexpr int kTdvKeyLeft = 0x1C;
inline constexpr int kTdvKeyRight = 0x1D;
inline constexpr int kTdvKeyUp = 0x1E;
inline constexpr int kTdvKeyDown = 0x1F;
inline constexpr int kTdvKeyReturn = 13;
inline constexpr int kTdvKeyEscape = 27;

// The command that opens the help topic of the active window or dialog.
inline constexpr int kTdvContextHelpCommand = 752;

// Who holds the drawing surface of a window.
enum TdvDrawMode : std::int16_t {
  kTdvDrawNone = 0,
  kTdvDrawHeld = 1,     // obtained by BeforePaint
  kTdvDrawPaint = 2,    // inside a paint event
  kTdvDrawControl = 3,  // drawing an owner-drawn control
  kTdvDrawPrint = 4,
  kTdvDrawBitmap = 5,
};

// Pen modes of GfxSetPenMode.
inline constexpr int kTdvPenXor = 0;
inline constexpr int kTdvPenNormal = 1;

struct TdvScale {
  float x = 1.0f;
  float y = 1.0f;
};

// The text attributes GfxDrawText uses.
struct TdvTextState {
  int size = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int face = 20;
  double lineHeight = 12 * 1.33;
};

// Base of every window of the program. Events of the window arrive as calls
// of the Do… operations with portable arguments; drawing goes through the
// Gfx… operations onto the surface in `dc`. A subclass overrides what it
// needs; every default does nothing or leaves the event to the backend.
// Operations answering int use kTdvNotHandled for "not handled".
class TdvWindow : public TdvTaggedReceiver {
 public:
  static constexpr int kClassCode = 7;

  TdvWindow();
  TdvWindow(const TdvWindow&) = delete;
  TdvWindow& operator=(const TdvWindow&) = delete;
  ~TdvWindow() override;

  virtual bool IsA(int code) const;
  // A window description with the base fields of this one (no window, no
  // drawing state).
  virtual std::unique_ptr<TdvWindow> Clone() const;
  virtual int BeginUpdate();
  virtual void EndUpdate();
  virtual void BeforePaint();
  virtual void AfterPaint();
  virtual void GfxApplyPen();
  // Draws the contents; `area` none means the whole client area.
  virtual void WinDraw(const std::optional<shell::Rect>& area);
  virtual void WinCheckMenuItem(int id, bool on);
  virtual void WinEnableMenuItem(int id, bool on);
  virtual void WinSetMenuItemText(int id, const std::string& text);
  virtual void WinSetClientSize(shell::Size size);
  virtual void WinZoom();
  virtual shell::Rect WinGetMaxRect();
  virtual shell::Size WinRectSize(const shell::Rect& rect) const;
  virtual void WinSetLocation(shell::Point point);
  virtual void WinSetTitle(const std::string& text);
  virtual void WinSetFocusControl(int id);
  virtual void WinTabControl(bool forward);
  virtual int DoControlCommand(int id);
  virtual int DoButtonClick(int id, shell::Point point);
  virtual int DoScroll(int id, int code, int position);
  virtual int DoPopupSelect(int id, int selection);
  // Told when the user changed the selection of list `id` (a click or keys);
  // not when the program selects rows.
  virtual int DoListSelect(int id);
  virtual int DoCheckBox(int id);
  virtual void DrawControl(int id);
  // Offered every event before the window sees it; true consumes it (the
  // movie window hands events to its movie controller here).
  virtual bool FilterEvent(const shell::Event& event);
  // Told after each character an edit field of this window passed to
  // FilterControlChar.
  virtual void DoEditNotify(int id);
  virtual int FilterControlChar(int id, int character);
  virtual int DoActivate(bool active);
  virtual int DoCreate();
  virtual int DoShow(bool shown);
  virtual int DoCommand(int id);
  virtual int DoSize(int width, int height);
  virtual int DoPaint();
  virtual int DoClose();
  virtual int DoDestroy();
  virtual int DoMouseMove(int x, int y, int modifiers);
  virtual int DoMouseDown(int x, int y, int modifiers);
  virtual int DoDoubleClick(int x, int y, int modifiers);
  virtual int DoMouseUp(int x, int y, int modifiers);
  virtual int DoKeyDown(int character, int modifiers);
  virtual int DoWindowMoved();
  // The backend's default handling of an event.
  virtual int DoDefault(const shell::Event& event);
  virtual int OpenWindow();
  virtual void CloseWindow();
  virtual void OnMessageDone(int code);
  virtual void OnMessageClosed();
  virtual void OnMessageClick(int x, int y, int modifiers, int code);
  // Writes the window's rectangle record into a document text.
  virtual void WriteWindowRect(TdvTaggedWriter& stream) const;
  virtual void ShowControlHelp(int id, int x, int y);
  virtual void ShowAreaHelp(int x, int y);
  virtual int DoTimer(int id);

  // Controls.
  int AddControl(int kind, int id, const std::string& text, const shell::Rect& rect, int visible,
                 int option, int value);
  TdvControlInfo* FindControl(int id);
  const TdvControlInfo* FindControl(int id) const;
  shell::WindowHandle GetControlWindow(int id) const;
  void ShowControl(int id, bool show);
  void EnableControl(int id, bool enable);
  void SetControlText(int id, const std::string& text);
  void MoveControl(int id, const shell::Rect& rect);
  std::string GetControlText(int id) const;
  // Reads a real number from the start of the control's text; false when
  // there is none (the value is then left alone).
  bool GetControlReal(int id, double& value) const;
  bool GetCheckBox(int id) const;
  void SetCheckBox(int id, bool on);
  void SetScrollRange(int id, int minimum, int maximum);
  void SetScrollPosition(int id, int position);
  std::pair<int, int> GetScrollRange(int id) const;
  int GetScrollPosition(int id) const;
  void ListInsertString(int id, int index, const std::string& text);
  int ListAddString(int id, const std::string& text);
  void ListDeleteString(int id, int index);
  void ListSelectString(int id, int index);
  void ListSetSelected(int id, int index, bool selected);
  std::vector<int> ListGetSelection(int id) const;
  int ListCount(int id) const;
  std::string ListGetString(int id, int index) const;
  void SetControlRedraw(int id, bool redraw);
  void SetPopupSelection(int id, int selection);
  int GetPopupSelection(int id) const;
  void SetPopupLabel(int id, const std::string& label);
  void SetPopupItems(int id, const std::vector<std::string>& items);
  // Puts an edit field over `rect` for in-place editing, with its first
  // three characters selected.
  void EditInPlace(int id, const shell::Rect& rect);
  // Draws an owner-drawn control into its own surface.
  void UpdateOwnerControl(int id);

  // Drawing. Coordinates are logical: origin + value × scale in device pixels.
  void GfxSetFGColor(shell::Rgb colour);
  void GfxSetColorCode(int code);
  void GfxSetPenSize(int size);
  void GfxSetPenMode(int mode);
  void GfxMoveTo(int x, int y);
  void GfxLineTo(int x, int y);
  void GfxFillRect(const shell::Rect& rect);
  void GfxFrameRect(const shell::Rect& rect);
  void GfxEraseRect(const shell::Rect& rect);
  void GfxInvertRect(const shell::Rect& rect);
  void GfxFocusRect(const shell::Rect& rect);
  void GfxFillOval(const shell::Rect& rect);
  void GfxFrameOval(const shell::Rect& rect);
  void GfxArc(const shell::Rect& rect, shell::Point start, shell::Point end);
  void GfxArrowHead(int x1, int y1, int x2, int y2, int size);
  void GfxDrawText(const std::string& text, int x, int y);
  void GfxDrawTextInRect(const std::string& text, const shell::Rect& rect, int hAlign, int vAlign);
  void GfxDrawVerticalText(const std::string& text, const shell::Rect& rect);
  void GfxDrawBitmap(int resource, const shell::Rect& rect, int mode);
  void GfxDrawIcon(int resource, int x, int y);
  shell::TextMetrics GfxMeasureText(const std::string& text);
  void GfxSetTextSize(int size);
  void GfxSetBold(bool on);
  void GfxSetItalic(bool on);
  void GfxSetUnderline(bool on);
  void GfxSetTextFace(int face);
  void GfxResetTextAttributes();
  shell::Point ToDevice(int x, int y) const;
  shell::Rect ToDevice(const shell::Rect& rect) const;

  // Printing and the clipboard.
  shell::Picture RenderToBitmap(const std::optional<shell::Rect>& rect = std::nullopt);
  bool CopyToClipboard(const std::optional<shell::Rect>& rect = std::nullopt);
  void PrintWindow(const std::string& movieName, const std::string& printTitle, bool frameIt);

  // Fields, named as the rest of the program knows them.
  std::string title;
  std::int32_t titleIndex = 1;
  std::int32_t focusControl = -1;
  std::int32_t defaultControl = -1;
  shell::Rect rect{10, 10, 50, 50};
  shell::Size clientSize;
  shell::Rect zoomRect;
  shell::Point mousePos;
  shell::Point mouseDownPos;
  std::uint8_t mouseDown = 0;
  shell::WindowHandle hwnd = shell::kNoWindow;
  std::int16_t drawMode = kTdvDrawNone;
  shell::Rgb fgColor = shell::kBlack;
  std::int16_t penSize = 1;
  std::uint8_t penMode = kTdvPenNormal;
  TdvTextState text;
  shell::Point origin;
  TdvScale scale;
  shell::Surface* dc = nullptr;
  std::string className = "TdvWindow";
  shell::FontSpec font{shell::FontFace::kHelv, 8};
  // The menu bar the window installs when activated (not owned) and the
  // index of its "Window" popup.
  shell::MenuItem* menu = nullptr;
  int windowMenu = 0;
  std::map<int, std::unique_ptr<TdvControlInfo>> controls;
  std::int32_t helpContext = 1;

 protected:
  // Runs the creation protocol around `create`, which makes the window
  // through the backend; kNoWindow when another creation is pending.
  shell::WindowHandle CreateThroughBackend(const std::function<shell::WindowHandle()>& create);
  void CreateControls();
  // Record rectangles are pixels, except in dialogs (dialog units).
  virtual shell::Rect ControlRectToPixels(const shell::Rect& rect) const;
  void ReleaseSurface();
  shell::Backend& Backend() const;
  TdvAppWindow* Frame() const;
  void Fault(const std::string& message, const std::string& caption) const;
  // Fills `into` with the base part of this window's description.
  void CopyDescriptionTo(TdvWindow& into) const;

 private:
  friend class TdvShell;

  shell::FontSpec TextFont() const;
  void SelectTextFont();
  void DrawControlIcon(int resource, shell::Size area);
  void DrawWithRaster(shell::RasterMode mode, const std::function<void()>& draw);
  bool BeginPrint();
  void PrintPage(const std::string& movieName, const std::string& printTitle, bool frameIt,
                 const shell::Picture& picture);
  void EndPrint(bool cancelled);
  void ResetPrintState();

  std::unique_ptr<shell::Surface> ownedSurface_;
  shell::Point penPosition_;
  std::unique_ptr<shell::PrintJob> printJob_;
};

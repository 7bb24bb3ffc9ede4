#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/coordinate_frame.h"
#include "document/coordinate_systems_layout.h"
#include "document/document_dialogs.h"
#include "document/file_location.h"
#include "document/graph_opener.h"
#include "document/kept_graph.h"
#include "document/movie_link.h"
#include "document/movie_opener.h"
#include "document/table_opener.h"
#include "document/window_links.h"
#include "foundation/lists.h"
#include "model/series.h"
#include "model/series_document.h"
#include "shell/document_window.h"

class TdvDataTable;
class TdvTrackingRun;
struct TdvTrackingChoices;
struct TdvTrackingStep;

// One entry of a choice list a dialog offers: a name and the item id (or
// special reference) it stands for, and the dialog's own marks.
class TdvObjectInfo : public TdvObject {
 public:
  static constexpr int kClassCode = 3;

  TdvObjectInfo(std::string name, std::int32_t id) : name(std::move(name)), id(id) {}
  bool IsA(int code) const override { return code == kClassCode || TdvObject::IsA(code); }
  std::unique_ptr<TdvObject> Clone() const override {
    return std::make_unique<TdvObjectInfo>(*this);
  }

  std::string name;
  std::int32_t id;
};
class TdvDocumentTableSource;

// Kind codes of ObjectNewObject.
enum TdvItemKind : int {
  kItemPoint = 1,
  kItemOrigin = 2,
  kItemDistance = 3,
  kItemScale = 4,
  kItemCentreOfMass = 5,
  kItemClone = 6,
  kItemAngle = 7,
  kItemDesignatedPoint = 8,
  kItemCount = 9,
  kItemAutoNamedPoint = 98,
  kItemRecordPoint = 99,
};

// Position arguments of AddObject and AddMember.
inline constexpr std::int32_t kPlaceFirst = -2;
inline constexpr std::int32_t kPlaceLast = -1;
// Directions of NextInFrameOrder.
inline constexpr std::int32_t kBackwards = -10;
inline constexpr std::int32_t kForwards = -11;

// One analysis of one movie: the items (series) with their ids and order,
// the coordinate systems that group them, the selection, the time base of
// the movie, the options saved with the document and the links to the
// document's other windows. Its own window is the "Coordinate Systems"
// window.
class TdvDataObjectWindow : public TdvDocumentWindow,
                            public TdvSeriesDocument,
                            public TdvMovieDocument {
 public:
  static constexpr int kClassCode = 13;

  TdvDataObjectWindow();
  ~TdvDataObjectWindow() override;

  bool IsA(int code) const override;
  int OpenWindow() override;
  int DoClose() override;
  TdvDocumentWindow* GetDocument() override { return this; }

  // Items.
  std::int32_t ObjectNewObject(int typeCode, const std::string& name);
  std::int32_t AddObject(std::unique_ptr<TdvDataObject> item, std::int32_t position);
  void AddCoordinateFrame(std::int32_t originId) override;
  void RemoveCoordinateFrame(std::int32_t originId) override;
  void AddMember(TdvCoordinateFrame& frame, std::int32_t id, std::int32_t position);
  // The number of default names: 1 + the items of the class (2 counts
  // origins), the default origin and the recording point not counted.
  int NextDefaultNumber(int classCode);
  // An entry of the Create menu: named, placed beside the current item and
  // selected; the new id, or -19 for an id that is no entry.
  std::int32_t CreateFromMenu(int command);
  // "Origin 1" of a new document, when the document was made to have one.
  void CreateDefaultOrigin();

  // Lookup and queries.
  TdvDataObject* GetItem(std::int32_t id) override;
  std::string GetOriginName(std::int32_t originRef) override;
  bool HasScale(std::int32_t originRef);
  // Whether the item is one of the two marked ends of a scale.
  bool IsScaleEnd(std::int32_t id);
  bool IsSelected(std::int32_t id);
  TdvCoordinateFrame* FindFrame(std::int32_t originRef);
  // Ids in item order, and frames in display order.
  std::vector<std::int32_t> ItemOrder() const;
  std::vector<std::int32_t> FrameOrder() const;
  std::vector<std::int32_t> Members(std::int32_t originRef);
  std::vector<std::int32_t> SelectedItems() const;
  int ItemCount() const;

  // Selection.
  void SelectItem(std::int32_t id, int keyFlags);
  void SelectAll();
  std::int32_t CurrentItem() const { return currentItem; }
  std::int32_t NextItemToLocate();
  std::int32_t NextInFrameOrder(std::int32_t id, std::int32_t direction);

  // Origins.
  bool SetDefaultOrigin(std::int32_t id);
  void TransformOrigin(std::int32_t id);
  void MakePointOrigin();
  std::int32_t DefaultOrigin() const { return defaultOrigin; }
  // For the file reader, which knows the default origin only by its id.
  void SetDefaultOriginId(std::int32_t id) { defaultOrigin = id; }
  // Puts the item into the box of its origin, and into no other.
  void PlaceMember(std::int32_t id);
  // Boxes in the given order of their origins; boxes not named keep their
  // order after them.
  void SetFrameOrder(const std::vector<std::int32_t>& origins);

  // Deletion and clearing.
  void DeleteItem(std::int32_t id);
  void DeleteSelection();
  void ClearFrame();
  // The selected items' data on the displayed frame, or on every frame.
  void ClearSelection(bool allFrames);
  void ClearData(bool fixed, bool semiFixed, bool frameByFrame, bool includeOrigins,
                 bool includeScalePoints);
  void ShowAll();
  // On: a recording point becomes current; off: it goes.
  void SetAutoAddPoints(bool on);
  void ToggleSelectionVisible();
  void ToggleSelectionTrails();
  // The tool-bar actions this document handles alone; 1 when handled.
  int DoToolCommand(int code);
  int DoCommand(int id) override;

  // The quick scale. StartQuickScale remembers the current item and opens
  // "Scale Movie", whose OK chooses the scale's length, unit, the origin it
  // serves (-1 the default origin, -2 none) and its ends' sample type; the
  // movie window then reports the two clicks (-5 first end, -6 second end,
  // -4 cancelled).
  void StartQuickScale();
  void SetQuickScale(double length, int unitCode, std::int32_t origin, int sampleType);
  void ScalePoint(int x, int y, int code) override;

  // Taking data on the movie (positions in movie units, times frame keys).
  void MovieClick(int x, int y, const TdvRect& pick, int keyFlags) override;
  void MovieDrag(int x, int y, int startX, int startY, int keyFlags) override;
  void MovieMouseUp(int x, int y, int keyFlags) override;
  void MovieDoubleClick(int x, int y, int keyFlags) override;
  void MovieKey(int key, int keyFlags) override;
  void NudgeSelected(int code) override;
  // Selects what lies under `pick` on the frame, or turns a selected
  // origin by its label.
  void PickOnMovie(const TdvRect& pick, std::int32_t time, int keyFlags);
  // After a datum was taken: the next item to locate, or the next frame.
  void AdvanceAfterData();
  void DrawItemsAt(std::int32_t time) override;
  void TrackingClick(int x, int y, bool given) override;
  std::string CursorReadout(int x, int y) override;
  std::string SelectedItemLabel(bool& hasData) override;
  std::string MovieAreaHelp() override;
  std::string MovieName() const override;
  bool StepsEveryFrame() const override { return stepEveryFrame; }
  void CurrentTimeChanged(std::int32_t time) override;
  void ControllerStepped() override;
  void MovieActivated() override;
  void MovieClosing() override;
  int MovieDocumentCommand(int id) override;
  bool CloseDocument() override;

  // The movie link. RemoveMovie: for the Remove Movie command the data and
  // the movie go at once; before another movie is opened it is only marked
  // to be replaced. False when there was none or the user kept it.
  bool RemoveMovie(bool forCommand);
  void SwitchMovie();
  // Asks for a movie and opens it into this document; a new document (or
  // the only one) goes through "Number of Points".
  bool OpenMovieInto(bool forNewDocument);
  // Opens the movie at `path` through the movie opener, which attaches it.
  bool AttachMovieFile(const std::string& path);

  // Tracking the selected point series from the displayed frame, where it
  // must have a datum. Every position found becomes a datum as a click
  // would make it; the data table hears of them when the run stops (at its
  // end, or to wait for a click), not frame by frame.
  // The movie window follows the run and draws what it searched. Where the
  // object is lost the run stops on that frame and asks for a click on the
  // object (TrackingClick), then goes on through the dialogs' progress.
  // StartTracking is false after a message saying why nothing starts.
  void AskToTrack();
  // The template side fitted to the object under the selected point on the
  // displayed frame; fallback when there is no such point or picture, or
  // nothing stands out around it.
  int FittedTemplateSize(int fallback);
  bool StartTracking(const TdvTrackingChoices& choices);
  TdvTrackingStep TrackNext();
  // Tracks until the run ends or waits for a click.
  TdvTrackingStep TrackAll();
  // Ends the run (Cancel), keeping what was found.
  void FinishTracking();
  const TdvTrackingRun* Tracking() const { return tracking.get(); }
  std::int32_t TrackedItem() const { return trackedItem; }

  // Positions and values.
  bool ConvertPoint(TdvRealPoint& point, std::int32_t& originRef, std::uint8_t lengthUnit,
                    std::string& unitLabel, std::int32_t frame);
  bool GetItemValue(double& value, double& previous, std::int32_t itemRef, std::int32_t time,
                    int component);

  // Time base.
  int FrameIndex(std::int32_t time, std::int32_t* start = nullptr) const override;
  double FrameSeconds(std::int32_t time) const;
  std::int32_t StepTime(std::int32_t time, bool forward) const override;
  void SetStep(double size, bool inFrames);
  void SetFrameRate(double rate);
  double FrameRate() const { return ownRateOn ? ownFrameRate : -1.0; }
  void SetTimeBase(std::int32_t timeScale, std::vector<std::int32_t> frameTimes);
  void SetDisplayedTime(std::int32_t time) { displayedTime = time; }

  // The document file and the export.
  bool Save(bool saveAs);
  void WriteWindowRect(TdvTaggedWriter& writer) const override;
  // Records 1 to 6 of a document file.
  void WriteDocument(std::string& out);
  void ExportData();
  void WriteExport(std::ostream& out);
  // Looks for the movie named in the file just read; true when the
  // document has one now.
  bool FindMovie();
  void SetLocation(const TdvFileLocation& where, bool hasFile);
  const TdvFileLocation& Location() const { return location; }
  bool HasFile() const { return hasFile; }

  // Header record setters.
  void SetFlagValue(std::int32_t tag, bool flag) override;
  void SetIntValue(std::int32_t tag, std::int32_t value) override;
  void SetRealValue(std::int32_t tag, double value) override;
  void SetStringValue(std::int32_t tag, const std::string& text) override;
  void SetRectValue(std::int32_t tag, const TdvRect& rect) override;
  void SetListValue(std::int32_t tag, const LList& list) override;

  // The series side.
  const std::vector<std::int32_t>& FrameKeys() const override { return frameTimes; }
  std::int32_t DisplayedFrame() const override { return displayedTime; }
  std::string FrameTimeText(std::int32_t frame) override;
  void SeriesChangedAt(TdvDataObject& series, std::int32_t frame, int sampleType) override;
  void SeriesChanged(TdvDataObject& series) override;
  void RedrawRow(TdvDataObject& series) override;
  void RelayoutBox(TdvDataObject& series) override;
  void SeriesMovedOrigin(TdvDataObject& series, std::int32_t fromOrigin,
                         std::int32_t toOrigin) override;
  void SeriesBecameFixed(TdvDataObject& series) override;
  void SeriesNoLongerFixed(TdvDataObject& series) override;
  void FixedOriginRotated(TdvDataObject& series, double oldValue, double newValue) override;
  void FixedOriginMoved(TdvDataObject& series, double value) override;
  void RedrawWindows() override;
  void InformationBox(const std::string& text, const std::string& caption) override;
  bool Confirm(const std::string& text, const std::string& caption) override;
  void Beep() override;
  std::optional<std::string> AskText(const std::string& prompt, const std::string& caption,
                                     const std::string& initial) override;

  // The coordinate-systems window: the list of boxes and item rows.
  int DoCreate() override;
  int DoSize(int width, int height) override;
  int DoScroll(int id, int code, int position) override;
  void WinDraw(const std::optional<shell::Rect>& area) override;
  int DoMouseDown(int x, int y, int modifiers) override;
  int DoMouseMove(int x, int y, int modifiers) override;
  int DoMouseUp(int x, int y, int modifiers) override;
  // On the header of an origin's box: "Coordinates" for its system.
  int DoDoubleClick(int x, int y, int modifiers) override;
  int DoKeyDown(int character, int modifiers) override;
  // The buttons at the end of the movie line (10 new item, 11 edit, 12
  // delete, 13 transform, 14 default origin) and their help texts.
  int DoControlCommand(int id) override;
  int DoButtonClick(int id, shell::Point point) override;
  void ShowControlHelp(int id, int x, int y) override;
  void ShowAreaHelp(int x, int y) override;
  // The status-line text for the point (x, y) of the window.
  std::string AreaHelp(int x, int y);
  // Tab, Return and the Up and Down characters (30, 31) on the list.
  void ListKey(int key, int keyFlags);
  // The last line of the window, naming the movie.
  std::string MovieLineText() const;
  // The layout for the present size, scroll position and items.
  const TdvCoordinateSystemsLayout& ListLayout();
  // The controls of the list: its scroll bar and the in-place edit field.
  static constexpr int kListScrollBar = 20;
  static constexpr int kListEdit = 21;
  // The in-place edit in progress: the item (-19 none) and the kind.
  std::int32_t EditedItem() const { return editItem; }
  int EditKind() const { return editKind; }
  // Ends an in-place edit, keeping what was typed when it makes sense.
  void CommitEdit();
  // A clone point of `sourceId` named after it, made and calculated now.
  std::int32_t CloneByDrag(std::int32_t sourceId);

  // The choice lists dialogs offer, appended in item-table order.
  void ListPoints(TdvLList<TdvObjectInfo>& list);
  void ListPointTypes(TdvLList<TdvObjectInfo>& list);
  void ListOrigins(TdvLList<TdvObjectInfo>& list);
  void ListScales(TdvLList<TdvObjectInfo>& list);

  // Every item and the table computed afresh.
  void RecalculateAll();

  // The other windows of the document (not owned).
  // The data table window hears of every group of the table; nullptr
  // when it closes.
  void AttachTableWindow(TdvTableWindowLink* window);
  // The movie window (or library movie) opened for this document; the
  // default origin without a datum on the first frame is placed near the
  // picture's bottom-left corner.
  void AttachMovie(TdvMovieLink* link);
  // What opens the movie FindMovie finds; without one the document only
  // records where its movie is.
  void SetMovieOpener(TdvMovieOpener* opener) { movieOpener = opener; }
  // What makes the data table window; without one the table has none.
  void SetTableOpener(TdvTableOpener* opener) { tableOpener = opener; }
  // Opens the data table window, or brings the open one forward; a table
  // kept from a file gives the new window its place.
  void ShowTableWindow();
  // The dialogs this document opens (not owned); none: they do nothing.
  void SetDialogs(TdvDocumentDialogs* filler) { dialogs = filler; }
  TdvDocumentDialogs& Dialogs();
  void AddGraph(TdvGraphLink* link) { graphs.push_back(link); }
  // A graph window that closes.
  void RemoveGraph(TdvGraphLink* link) { std::erase(graphs, link); }
  // What makes graph windows; without one "New Graph" does nothing and
  // graphs read from a file stay kept.
  void SetGraphOpener(TdvGraphOpener* opener) { graphOpener = opener; }
  // "New Graph" (command 704, tool-bar action 3).
  void NewGraph();
  // Every graph kept from a file opens in a window of its own.
  void OpenKeptGraphs();
  // A graph window read from a file while no window shows it: the document
  // keeps it and writes it back.
  void KeepGraph(std::unique_ptr<TdvKeptGraph> graph) {
    graphs.push_back(graph.get());
    keptGraphs.push_back(std::move(graph));
  }
  // The table window read from a file while no window shows it: the
  // document keeps it and writes it back.
  void KeepTableWindow(std::unique_ptr<TdvTableWindowLink> window) {
    keptTable = std::move(window);
    AttachTableWindow(keptTable.get());
  }
  TdvTableWindowLink* TableWindow() const { return tableWindow; }
  // Puts this window and the document's movie, table and graph windows in
  // their fixed places of the frame's client area (window_tiling.h).
  void TileWindows();
  // The movie window restored and put in front of the others.
  void BringMovieForward();
  // The derived quantities of the document's series, made and destroyed
  // with the document.
  TdvDataTable& DataTable() const { return *dataTable; }
  // A column named in a document file: its group is made and kept in use.
  void RestoreColumn(std::int32_t itemRef, int quantity);
  TdvMovieLink* Movie() const { return movie; }

  // The application-wide switches: Live Updates and the recalculation of
  // the table while data change (off while a file is read).
  static bool liveUpdates;
  static bool recalculateOnChange;

  // Set while a file is read into the document: items then arrive with
  // their saved settings and must not be given the defaults of new items.
  bool loading = false;

  // Fields saved with the document.
  bool modified = false;
  bool hasMovie = false;
  bool movieToBeReplaced = false;
  bool autoFrameAdvance = true;
  bool flag4 = false;
  bool autoAddPoints = false;
  bool autoPointAdvance = true;
  bool createDefaultOrigin = true;
  bool stepEveryFrame = true;
  bool ownRateOn = false;
  bool stepInFrames = false;
  double ownFrameRate = 0.0;
  double stepSize = 0.0;
  std::int32_t timeScale = 600;
  std::int32_t displayedTime = 0;
  std::int32_t initialOrigin = 0;
  std::int32_t listRows = 0;
  std::int32_t creationCounter = 1;
  std::int32_t selectedFrame = kNoItem;
  std::int32_t selectedScaleRow = kNoItem;
  std::int32_t lastEditKind = 1;
  std::int32_t listScroll = 0;
  std::string movieName;
  std::string moviePath;
  LList heldList301;

 private:
  std::unique_ptr<TdvDataObject> MakeItem(int kind);
  // Every item in id order; the table is not walked while items come or go.
  std::vector<TdvDataObject*> AllItems();
  void RegisterNew(std::int32_t id);
  void RemoveItem(std::int32_t id);
  void DeleteClonesOf(std::int32_t id);
  void ForgetScale(std::int32_t id);
  void RemoveFromFrames(std::int32_t id);
  void PlaceFrame(TdvCoordinateFrame& frame);
  void ClearSelectionList();
  void MoveToDefault(std::int32_t from, std::int32_t to);
  bool LocateTest(std::int32_t id);
  std::vector<std::int32_t> FrameOrderItems();
  // The table recomputes the series on that frame alone, or on every frame
  // for any other kind, and whatever depends on it.
  void TableSeriesChanged(std::int32_t id, std::int32_t frame, int kind);
  // The time of frames changed: every value that leans on it is recomputed.
  void TableTimeChanged();
  bool PointValue(double& value, double& previous, TdvDataObject& item, std::int32_t time,
                  int component);
  std::int32_t StepFrames(std::int32_t time, int index, bool forward) const;
  void TestStepSize();
  std::optional<TdvFileLocation> AskSaveLocation();
  bool MovieFileExists(const std::string& path) const;
  std::string LocateMovie();

  // Opens the edit dialog of the current item, or says there is none.
  void EditCurrentItem();
  // A Create menu entry: the item made and its dialog opened in new-item
  // mode.
  void CreateAndEdit(int command);
  void PlaceDefaultOrigin();
  int DocumentCount() const;
  void EndDrag();
  // The commands and tool-bar actions that reach the movie, dialogs and
  // other windows.
  int DoMovieCommand(int id);
  int DoMovieToolCommand(int code);
  void TransformCurrent();
  // The check mark of a menu item in this window and the movie window.
  void CheckBoth(int id, bool on);
  void ShowThisWindow();
  int ItemsOfKind(int classCode);
  void SelectInBand();
  void DragItem(TdvDataObject& item, int x, int y, int startX, int startY, int keyFlags);
  // A tracked position (movie units) as the datum of the frame.
  void RecordTracked(std::int32_t frame, const TdvPoint& position);
  void ShowTrackedFrame(std::int32_t frame);
  void TellTable();
  void DrawTracking(TdvSeriesView& view, std::int32_t time);
  std::int32_t NewScaleEnd(const std::string& suffix, int x, int y);
  void FinishQuickScale(int x, int y);
  void SelectItemBeforeScale();

  // The list window's parts.
  enum class ListDrag { kNone, kItems, kBox, kScale };
  static constexpr int kEditName = 1;
  static constexpr int kEditMass = 5;
  void AddListButtons();
  void SetListButtonTips();
  void PlaceListButtons(const TdvCoordinateSystemsLayout& layout);
  // The column separators that run down the list, from top to bottom.
  void DrawListSeparators(int top, int bottom);
  void DrawListHeader(const TdvCoordinateSystemsLayout& layout);
  void DrawBox(const TdvCoordinateSystemsLayout::Box& box, TdvSeriesView& view,
               const TdvRect& update);
  void ClickCell(TdvDataObject& item, int column);
  void StartEdit(std::int32_t id, int kind);
  bool CommitMass(TdvDataObject& item, const std::string& text);
  bool CanEditMass(std::int32_t id);
  void EditNext(bool backwards);
  void DropItems(int x, int y, bool modifier);
  void DropItemOnRow(std::int32_t id, const TdvCoordinateSystemsLayout::Row& target, bool modifier);
  void DropItemOnBox(std::int32_t id, std::int32_t origin, bool modifier);
  void DropBox(int x, int y);
  void DropScale(int x, int y);
  void SetOriginScale(std::int32_t origin, std::int32_t scale);
  // Moves the item, in item order and in its box, to just before `target`.
  void PlaceBefore(std::int32_t id, std::int32_t target);
  void DrawDragOutline();
  std::string RowHelp(TdvDataObject& item, int column);
  void AppendInfo(TdvLList<TdvObjectInfo>& list, std::string name, std::int32_t id);

  TdvCoordinateSystemsLayout listLayout;
  std::int32_t editItem = kNoItem;
  int editKind = 0;
  ListDrag listDrag = ListDrag::kNone;
  std::int32_t draggedBox = kNoItem;
  TdvRect dragOutline{0, 0, 0, 0};

  ArrayAsLList<TdvDataObject> items;
  LList itemOrder;
  ArrayAsLList<TdvCoordinateFrame> frames;
  LList frameOrder;
  LList selected;
  std::int32_t currentItem = kNoItem;
  std::int32_t defaultOrigin = 0;
  std::vector<std::int32_t> frameTimes;
  TdvFileLocation location;
  bool hasFile = false;
  // Before the data table, which it listens to: it goes after the table.
  std::unique_ptr<TdvTableWindowLink> keptTable;
  std::unique_ptr<TdvDocumentTableSource> tableSource;
  std::unique_ptr<TdvDataTable> dataTable;
  TdvTableWindowLink* tableWindow = nullptr;
  TdvMovieLink* movie = nullptr;
  TdvMovieOpener* movieOpener = nullptr;
  TdvTableOpener* tableOpener = nullptr;
  TdvGraphOpener* graphOpener = nullptr;
  TdvDocumentDialogs* dialogs = nullptr;
  // The quick scale's choices, its first end while the second is awaited
  // and the item current before it started.
  std::string quickScaleName = "Scale";
  double quickScaleLength = 1.0;
  int quickScaleUnit = 1;
  std::int32_t quickScaleOrigin = kDefaultOriginRef;
  int quickScaleSampleType = kFixed;
  std::int32_t pendingScaleEnd = kNoItem;
  std::int32_t itemBeforeScale = kNoItem;
  // The mouse on the movie: the last position, whether a button is down,
  // an origin being turned by its handle, the axis a drag is locked to (0
  // free, 1 horizontal, 2 vertical), what the click did and the rubber
  // band.
  TdvPoint lastMovie{0, 0};
  bool mouseDown = false;
  bool rotating = false;
  int axisLock = 0;
  bool pointCreated = false;
  bool dataTaken = false;
  TdvRect rubberBand{-1, -1, -1, -1};
  // The tracking run in progress and the series it fills.
  std::unique_ptr<TdvTrackingRun> tracking;
  std::int32_t trackedItem = kNoItem;
  // The time the graphs last heard of; -1 makes the next one reach them.
  std::int32_t graphTime = -1;
  std::vector<TdvGraphLink*> graphs;
  // After the data table, so that kept graphs give back the groups they use
  // before the table goes.
  std::vector<std::unique_ptr<TdvKeptGraph>> keptGraphs;
};

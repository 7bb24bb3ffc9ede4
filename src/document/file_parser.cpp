#include "document/file_parser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>

#include "document/data_object_window.h"
#include "document/kept_table.h"
#include "model/calculated_series.h"
#include "model/point_series.h"
#include "model/series_record.h"
#include "shell/shell.h"

namespace {

constexpr int kWindowRectTag = 1000;
constexpr std::int32_t kColumnItemTag = 687;
constexpr std::int32_t kColumnQuantityTag = 850;
// How the messages name the document's own record.
constexpr const char* kDocumentRecordName = "Coordinate Systems";

std::string NameList(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) {
    list += (list.empty() ? "" : ", ") + (name.empty() ? std::string("(no name)") : name);
  }
  return list;
}

bool LoadText(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    return false;
  }
  std::ostringstream contents;
  contents << in.rdbuf();
  text = contents.str();
  return true;
}

// Hands the header's tokens to the document, correcting the window
// rectangle of files written by version 2.0 on the way.
class HeaderReceiver : public TdvTaggedReceiver {
 public:
  HeaderReceiver(TdvDataObjectWindow& document, std::function<void(TdvRect&)> correct,
                 std::int32_t& defaultOrigin)
      : document_(document), correct_(std::move(correct)), defaultOrigin_(defaultOrigin) {}

  void SetFlagValue(std::int32_t tag, bool flag) override { document_.SetFlagValue(tag, flag); }
  void SetIntValue(std::int32_t tag, std::int32_t value) override {
    if (tag == 107) {
      defaultOrigin_ = value;
      defaultOriginRead_ = true;
      return;
    }
    document_.SetIntValue(tag, value);
  }
  void SetRealValue(std::int32_t tag, double value) override {
    if (std::isfinite(value)) {
      document_.SetRealValue(tag, value);
    } else {
      refusedNumbers_ = true;
    }
  }
  void SetStringValue(std::int32_t tag, const std::string& text) override {
    document_.SetStringValue(tag, text);
  }
  void SetRectValue(std::int32_t tag, const TdvRect& rect) override {
    if (tag != kWindowRectTag) {
      return;
    }
    TdvRect corrected = rect;
    correct_(corrected);
    document_.SetRectValue(tag, corrected);
  }
  void SetListValue(std::int32_t tag, const LList& list) override {
    document_.SetListValue(tag, list);
  }
  bool DefaultOriginRead() const { return defaultOriginRead_; }
  bool RefusedNumbers() const { return refusedNumbers_; }

 private:
  bool defaultOriginRead_ = false;
  bool refusedNumbers_ = false;
  TdvDataObjectWindow& document_;
  std::function<void(TdvRect&)> correct_;
  std::int32_t& defaultOrigin_;
};

std::vector<std::int32_t> ListValues(const LList& list) {
  std::vector<std::int32_t> values;
  for (const TdvObject* boxed : list) {
    values.push_back(static_cast<const TdvInt*>(boxed)->value);
  }
  return values;
}

}  // namespace

TdvDataObjectWindow* TdvFileParser::Parse(const TdvFileLocation& location,
                                          const std::string& text) {
  location_ = location;
  location_.olderVersion = true;
  report_ = {};
  std::string source = text;
  if (source.empty() && !LoadText(location_.path, source)) {
    TdvShell::Get().Message(shell::MessageKind::kInformation, "Problem Opening File",
                            "TdvFileParser");
    return nullptr;
  }
  TdvStringStream stream(std::move(source));
  bool stopped = false;
  for (int code = stream.NextCode(); code != kTdvCodeEnd && !stopped; code = stream.NextCode()) {
    switch (code) {
      case kTdvCodeVersion:
        ReadVersion(stream);
        break;
      case kTdvCodePathFormat:
        if (stream.OpenGroup() != 0) {
          stream.ReadInt(pathFormat_);
        }
        break;
      case kTdvCodeDocumentHeader:
        if (document_ != nullptr) {
          SkipRecord(stream);
          break;
        }
        ReadDocumentHeader(stream);
        stopped = document_ == nullptr;
        break;
      case kTdvCodeObjectRecord:
        ReadSeriesRecord(stream);
        break;
      case kTdvCodeGraphRecord:
      case kTdvCodeTableRecord:
        ReadWindowRecord(stream, code);
        break;
      case kTdvCodeTableColumn:
        ReadTableColumn(stream);
        break;
      default:
        SkipRecord(stream);
        break;
    }
  }
  Finish();
  return document_;
}

void TdvFileParser::ReadVersion(TdvStringStream& stream) {
  if (stream.OpenGroup() == 0) {
    return;
  }
  std::int32_t numbers[3] = {0, 0, 0};
  for (std::int32_t& number : numbers) {
    stream.ReadInt(number);
  }
  major_ = numbers[0];
  minor_ = numbers[1];
  release_ = numbers[2];
  legacy_ = false;
  location_.olderVersion = false;
}

// Window rectangles are saved with their left edge one pixel to the left;
// taking it back keeps a window from creeping left with every save.
// Version 2.0 also placed windows 24 pixels further right and 38 lower in
// its frame than later versions do.
void TdvFileParser::CorrectRect(TdvRect& rect) const {
  // Sides come from the file: moving them must not overflow.
  auto moved = [](int side, int by) {
    return static_cast<int>(
        std::clamp<std::int64_t>(static_cast<std::int64_t>(side) + by, INT32_MIN, INT32_MAX));
  };
  rect.left = moved(rect.left, 1);
  if (major_ != 2 || minor_ >= 1) {
    return;
  }
  rect.left = moved(rect.left, -24);
  rect.right = moved(rect.right, -24);
  if (rect.top > 36) {
    rect.top -= 38;
  }
}

// Text after an unknown code is passed over as a record when it opens one,
// so that nothing inside it is taken for a record of its own.
void TdvFileParser::SkipRecord(TdvStringStream& stream) {
  std::size_t start = stream.Position();
  if (stream.NextCode() != '[') {
    stream.ReturnTo(start);
    return;
  }
  stream.ReturnTo(start);
  TdvTaggedReceiver ignored;
  ReadRecordBody(stream, ignored);
}

void TdvFileParser::ReadDocumentHeader(TdvStringStream& stream) {
  TdvDataObjectWindow::recalculateOnChange = false;
  auto made = std::make_unique<TdvDataObjectWindow>();
  made->createDefaultOrigin = false;
  made->loading = true;
  TdvDataObjectWindow* document = TdvShell::Get().Keep(std::move(made));
  document->SetLocation(location_, !movieFromOpenedFile);
  document->SetMovieOpener(movies_);
  HeaderReceiver receiver(
      *document, [this](TdvRect& rect) { CorrectRect(rect); }, savedDefaultOrigin_);
  ReadRecordBody(stream, receiver);
  // Files do not name their default origin; unless told otherwise it is
  // the origin the document was made with.
  if (!receiver.DefaultOriginRead()) {
    savedDefaultOrigin_ = document->initialOrigin;
  }
  CheckHeaderValues(*document, receiver.RefusedNumbers());
  TdvDataObjectWindow::recalculateOnChange = true;
  document->OpenWindow();
  if (pathFormat_ != -2) {
    document->moviePath = document->movieName;
  }
  if (movieFromOpenedFile) {
    document->movieName = location_.fileName;
    document->moviePath = location_.path;
  }
  if (!document->FindMovie()) {
    document->modified = false;
    document->CloseWindow();
    return;
  }
  document_ = document;
  TdvDataObjectWindow::recalculateOnChange = false;
}

// A frame rate of the user's own must be above zero; without one the
// movie's rate is used. An unset rate is written as 0.
void TdvFileParser::CheckHeaderValues(TdvDataObjectWindow& document, bool refusedNumbers) {
  const bool unusableRate =
      document.ownFrameRate < 0.0 || (document.ownRateOn && document.ownFrameRate == 0.0);
  if (unusableRate) {
    document.ownRateOn = false;
    document.ownFrameRate = 0.0;
  }
  if (refusedNumbers || unusableRate) {
    report_.damagedRecords.push_back(kDocumentRecordName);
  }
}

void TdvFileParser::ReadSeriesRecord(TdvStringStream& stream) {
  std::int32_t savedId = 0;
  std::int32_t kind = 0;
  bool headed = stream.ReadTag(savedId) && stream.ReadInt(kind);
  std::int32_t newId = -1;
  if (headed && document_ != nullptr) {
    newId = document_->ObjectNewObject(kind, "bogus");
  }
  TdvDataObject* item = newId >= 0 ? document_->GetItem(newId) : nullptr;
  if (item == nullptr) {
    TdvTaggedReceiver ignored;
    ReadRecordBody(stream, ignored);
    return;
  }
  idMap_.emplace_back(savedId, newId, item->IsA(kCalculatedObjectCode) ? 1 : 0);
  ReadSeriesRecordBody(stream, *item, legacy_);
  if (item->RefusedValues() > 0) {
    report_.damagedRecords.push_back(item->GetName());
  }
}

void TdvFileParser::ReadWindowRecord(TdvStringStream& stream, int code) {
  if (code == kTdvCodeGraphRecord && builder_ == nullptr) {
    ReadGraphWindow(stream);
    return;
  }
  TdvFileDataObject record(code);
  ReadRecordBody(stream, record);
  if (document_ == nullptr) {
    return;
  }
  if (!remapped_) {
    RemapIds();
  }
  for (auto& [tag, rect] : record.Rects()) {
    if (tag == kWindowRectTag) {
      CorrectRect(rect);
    }
  }
  if (builder_ == nullptr) {
    // Without windows the table window's place is kept, as graphs are, so
    // that saving again loses nothing; a table window already opened with
    // the document's movie takes the place instead.
    if (code == kTdvCodeTableRecord) {
      TdvRect rect;
      record.GetTaggedRect(kWindowRectTag, rect);
      if (TdvTableWindowLink* open = document_->TableWindow()) {
        open->PlaceWindow(rect);
      } else {
        document_->KeepTableWindow(std::make_unique<TdvKeptTable>(rect));
      }
    }
    return;
  }
  if (code == kTdvCodeTableRecord) {
    builder_->BuildTable(*document_, record);
  } else {
    builder_->BuildGraph(*document_, record, *this);
  }
}

void TdvFileParser::ReadTableColumn(TdvStringStream& stream) {
  TdvFileDataObject record(kTdvCodeTableColumn);
  ReadRecordBody(stream, record);
  if (document_ == nullptr || document_->TableWindow() == nullptr) {
    return;
  }
  std::int32_t item = 0;
  std::int32_t quantity = 0;
  record.GetTaggedInt(kColumnItemTag, item);
  record.GetTaggedInt(kColumnQuantityTag, quantity);
  document_->RestoreColumn(MapSavedId(item), quantity);
}

// Negative references other than the default origin name no saved item and
// pass unchanged, so an empty input place (-4) stays empty.
std::int32_t TdvFileParser::MapSavedId(std::int32_t savedId) const {
  if (savedId == kDefaultOriginRef) {
    savedId = savedDefaultOrigin_;
  }
  if (savedId < 0) {
    return savedId;
  }
  for (const TdvAdjustObject& entry : idMap_) {
    if (entry.savedId == savedId) {
      return entry.newId;
    }
  }
  return 0;
}

// A series whose origin is not in the file would belong to no coordinate
// system and be lost on the next save: it reports in the default origin
// (the Video frame when the file has no default origin either). Only a
// series that named an origin of its own is told of.
void TdvFileParser::PlaceInOrigin(TdvDataObject& item, std::int32_t savedOrigin) {
  TdvDataObjectWindow& document = *document_;
  const bool inFile = std::any_of(idMap_.begin(), idMap_.end(), [savedOrigin](const auto& entry) {
    return entry.savedId == savedOrigin;
  });
  const std::int32_t origin =
      savedOrigin == kDefaultOriginRef ? savedOrigin : MapSavedId(savedOrigin);
  if ((savedOrigin < 0 || inFile) && document.FindFrame(origin) != nullptr) {
    item.SetOriginId(origin);
  } else {
    const bool hasDefault = document.FindFrame(kDefaultOriginRef) != nullptr;
    item.SetOriginId(hasDefault ? kDefaultOriginRef : kVideoOriginRef);
    if (savedOrigin != kDefaultOriginRef) {
      report_.movedToDefaultOrigin.push_back(item.GetName());
    }
  }
  document.PlaceMember(item.GetId());
}

// Sources are connected in file order once all are mapped; a clone whose
// source would close a circle of clones copying each other is left without
// one, since following such a circle never ends.
void TdvFileParser::ConnectClones() {
  std::vector<std::pair<TdvClonePoint*, std::int32_t>> clones;
  for (const TdvAdjustObject& entry : idMap_) {
    TdvDataObject* item = document_->GetItem(entry.newId);
    std::int32_t source = kNoItem;
    if (item != nullptr && item->GetSourceId(source)) {
      auto* clone = static_cast<TdvClonePoint*>(item);
      clone->SetSource(kNoItem);
      clones.emplace_back(clone, MapSavedId(source));
    }
  }
  for (auto [clone, source] : clones) {
    if (!clone->SetSource(source)) {
      report_.brokenClones.push_back(clone->GetName());
    }
  }
}

void TdvFileParser::RemapIds() {
  remapped_ = true;
  if (document_ == nullptr) {
    return;
  }
  TdvDataObjectWindow& document = *document_;
  document.SetDefaultOriginId(MapSavedId(savedDefaultOrigin_));
  document.initialOrigin = MapSavedId(document.initialOrigin);
  for (const TdvAdjustObject& entry : idMap_) {
    TdvDataObject* item = document.GetItem(entry.newId);
    if (item == nullptr) {
      continue;
    }
    PlaceInOrigin(*item, item->GetSavedOriginId());
    item->SetScaleId(MapSavedId(item->GetSavedScaleId()));
    if (TdvCoordinateFrame* box = item->IsOrigin() ? document.FindFrame(entry.newId) : nullptr) {
      box->coordinateKind = item->GetFrameCoordinates();
    }
    if (entry.calculated != 0) {
      auto* calculated = static_cast<TdvCalculatedObject*>(item);
      LList inputs;
      int required = 0;
      int max = 0;
      calculated->GetIncluded(inputs, required, max);
      LList mapped;
      for (std::int32_t id : ListValues(inputs)) {
        mapped.Append(std::make_unique<TdvInt>(MapSavedId(id)));
      }
      calculated->SetIncluded(mapped);
    }
  }
  ConnectClones();
  RestoreFrameOrder();
  TdvDataObjectWindow::recalculateOnChange = true;
  document.RecalculateAll();
}

// Files hold the boxes' members box by box, the last box first; the order
// of the boxes follows from that. The Video box always comes first.
void TdvFileParser::RestoreFrameOrder() {
  std::vector<std::int32_t> written;
  for (const TdvAdjustObject& entry : idMap_) {
    TdvDataObject* item = document_->GetItem(entry.newId);
    std::int32_t origin = item != nullptr ? item->GetOriginId() : kVideoOriginRef;
    if (origin == kDefaultOriginRef) {
      origin = document_->DefaultOrigin();
    }
    if (origin != kVideoOriginRef &&
        std::find(written.begin(), written.end(), origin) == written.end()) {
      written.push_back(origin);
    }
  }
  written.push_back(kVideoOriginRef);
  std::reverse(written.begin(), written.end());
  document_->SetFrameOrder(written);
}

void TdvFileParser::Finish() {
  if (!remapped_) {
    RemapIds();
  }
  TdvDataObjectWindow::recalculateOnChange = true;
  idMap_.clear();
  if (document_ == nullptr) {
    return;
  }
  document_->loading = false;
  TellWhatWasMended();
  document_->RecalculateAll();
  document_->SelectItem(kNoItem, 0);
  document_->SelectItem(document_->NextItemToLocate(), 0);
  document_->modified = false;
}

void TdvFileParser::TellWhatWasMended() {
  if (!report_.damagedRecords.empty()) {
    document_->InformationBox("Numbers that cannot be right were left out and defaults used in: " +
                                  NameList(report_.damagedRecords),
                              "Damaged Values");
  }
  if (!report_.movedToDefaultOrigin.empty()) {
    document_->InformationBox(
        "These series named an origin that is not in the file and now use the default origin: " +
            NameList(report_.movedToDefaultOrigin),
        "Missing Origin");
  }
  if (!report_.brokenClones.empty()) {
    document_->InformationBox("These clones copied each other in a circle and now copy no point: " +
                                  NameList(report_.brokenClones),
                              "Clones");
  }
}

#include "document/data_object_window.h"

namespace {

constexpr int kWindowRectTag = 1000;
constexpr int kAutoAddPointsMenu = 351;
constexpr int kAutoFrameAdvanceMenu = 353;
// Paths and names are saved in 256-byte fields.
constexpr std::size_t kMaxPathLength = 255;

}  // namespace

void TdvDataObjectWindow::SetFlagValue(std::int32_t tag, bool flag) {
  switch (tag) {
    case 1:
      hasMovie = flag;
      break;
    case 2:
      movieToBeReplaced = flag;
      break;
    case 3:
      autoFrameAdvance = flag;
      break;
    case 4:
      flag4 = flag;
      WinCheckMenuItem(kAutoFrameAdvanceMenu, autoFrameAdvance);
      break;
    case 5:
      autoAddPoints = flag;
      WinCheckMenuItem(kAutoAddPointsMenu, flag);
      break;
    case 8:
      createDefaultOrigin = flag;
      break;
    case 503:
      stepEveryFrame = flag;
      break;
    case 504:
      ownRateOn = flag;
      break;
    case 506:
      stepInFrames = flag;
      break;
    default:
      break;
  }
}

void TdvDataObjectWindow::SetIntValue(std::int32_t tag, std::int32_t value) {
  switch (tag) {
    case 101:
      timeScale = value;
      break;
    case 102:
      displayedTime = value;
      break;
    case 103:
      initialOrigin = value;
      break;
    case 104:
      listRows = value;
      break;
    case 105:
      creationCounter = value;
      break;
    case 107:
      defaultOrigin = value;
      break;
    case 109:
      currentItem = value;
      break;
    case 110:
      selectedFrame = value;
      break;
    case 111:
      selectedScaleRow = value;
      break;
    case 113:
      lastEditKind = value;
      break;
    case 114:
      listScroll = value;
      break;
    default:
      break;
  }
}

void TdvDataObjectWindow::SetRealValue(std::int32_t tag, double value) {
  if (tag == 150) {
    ownFrameRate = value;
  } else if (tag == 151) {
    stepSize = value;
  }
}

void TdvDataObjectWindow::SetStringValue(std::int32_t tag, const std::string& text) {
  if (tag == 20) {
    movieName = text.substr(0, kMaxPathLength);
  } else if (tag == 21) {
    moviePath = text.substr(0, kMaxPathLength);
  }
}

// A window of a damaged file keeps the place a new one would get rather
// than a place or size no screen has.
void TdvDataObjectWindow::SetRectValue(std::int32_t tag, const TdvRect& r) {
  constexpr int kFarthest = 16384;
  bool sane = r.left > -kFarthest && r.top > -kFarthest && r.right < kFarthest &&
              r.bottom < kFarthest && r.left < r.right && r.top < r.bottom;
  if (tag == kWindowRectTag && sane) {
    rect = r;
  }
}

void TdvDataObjectWindow::SetListValue(std::int32_t tag, const LList& list) {
  switch (tag) {
    case 301:
      CopyIdList(heldList301, list);
      break;
    case 303:
      CopyIdList(selected, list);
      break;
    case 304: {
      std::vector<std::int32_t> times;
      for (const TdvObject* boxed : list) {
        times.push_back(static_cast<const TdvInt*>(boxed)->value);
      }
      SetTimeBase(timeScale, std::move(times));
      break;
    }
    default:
      break;
  }
}

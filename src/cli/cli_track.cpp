#include "cli/cli_track.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "cli/cli_commands.h"
#include "cli/cli_output.h"
#include "document/data_object_window.h"
#include "document/tracking_run.h"
#include "foundation/safe_file_write.h"
#include "model/point_series.h"
#include "movie/library_movie.h"
#include "movie/tracking_frame.h"

namespace kinovex::cli {
namespace {

struct StartPoint {
  MovieTime time = 0;
  TrackingPoint point;
};

// "TIME:X,Y", the time as `frame` takes it.
std::optional<StartPoint> ParseStart(const std::string& text, MovieTime timeScale) {
  const std::size_t colon = text.rfind(':');
  const std::size_t comma = text.find(',', colon == std::string::npos ? 0 : colon);
  if (colon == std::string::npos || comma == std::string::npos) {
    return std::nullopt;
  }
  std::optional<int> time = ParseMovieTime(text.substr(0, colon), timeScale);
  StartPoint start;
  const char* x = text.data() + colon + 1;
  const char* y = text.data() + comma + 1;
  const char* end = text.data() + text.size();
  auto [xEnd, xError] = std::from_chars(x, text.data() + comma, start.point.x);
  auto [yEnd, yError] = std::from_chars(y, end, start.point.y);
  if (!time || xError != std::errc() || yError != std::errc() || xEnd != text.data() + comma ||
      yEnd != end) {
    return std::nullopt;
  }
  start.time = *time;
  return start;
}

// A time before the start or from the end of the movie on says so: a movie
// that ends before the time asked for is no movie to track on.
bool InsideMovie(const char* option, MovieTime time, const TdvVideoMovieInfo& info,
                 std::ostream& errors) {
  if (time >= 0 && time < info.duration) {
    return true;
  }
  errors << "kinovex-cli: " << option << ' ' << SecondsText(time, info.timeScale)
         << " s lies outside the movie, which ends at "
         << SecondsText(info.duration, info.timeScale) << " s\n";
  return false;
}

// The time an option gives, inside the movie; none after the message, with
// the exit status in `status`.
std::optional<MovieTime> TimeInMovie(const char* option, const std::string& text,
                                     const TdvVideoMovieInfo& info, std::ostream& errors,
                                     int& status) {
  std::optional<int> time = ParseMovieTime(text, info.timeScale);
  if (!time) {
    errors << "kinovex-cli: " << option << " \"" << text
           << "\" is no time: give time units (1200) or seconds (2.5s)\n";
    status = kExitUsage;
    return std::nullopt;
  }
  if (!InsideMovie(option, *time, info, errors)) {
    status = kExitUnusableInput;
    return std::nullopt;
  }
  return *time;
}

// The settings the options ask for, to the frame --until names (before the
// start: backwards); a template given gets a search window at least three
// times its size, without one the template is fitted to the object. None
// after the message, with the exit status in `status`.
std::optional<TdvTrackingChoices> ChoicesFor(const CliRequest& request, MovieTime startTime,
                                             const TdvVideoMovieInfo& info, std::ostream& errors,
                                             int& status) {
  TdvTrackingChoices choices;
  if (request.until) {
    choices.lastTime = TimeInMovie("--until", *request.until, info, errors, status);
    if (!choices.lastTime) {
      return std::nullopt;
    }
  }
  if (request.templateSize) {
    choices.settings.templateSize = *request.templateSize;
    choices.settings.searchSize = std::max(choices.settings.searchSize, 3 * *request.templateSize);
  } else {
    choices.settings.templateSize = kTemplateFittedToObject;
  }
  if (request.threshold) {
    choices.settings.threshold = *request.threshold;
  }
  choices.forward = !choices.lastTime || *choices.lastTime >= startTime;
  return choices;
}

std::string Line(MovieTime time, MovieTime timeScale, TrackingPoint point, double score) {
  char numbers[96];
  std::snprintf(numbers, sizeof numbers, "\t%.3f\t%.3f\t%.3f\n", point.x, point.y, score);
  return SecondsText(time, timeScale) + numbers;
}

void SayLost(std::ostream& errors, const TdvTrackingStep& step, MovieTime timeScale) {
  errors << "kinovex-cli: at " << SecondsText(step.frame, timeScale) << " s ";
  if (step.result.status == TrackStatus::kOutside) {
    errors << "the object reached the edge of the picture";
  } else {
    char best[32];
    std::snprintf(best, sizeof best, "%.3f", step.result.score);
    errors << "the object was lost (best score " << best << ")";
  }
  errors << ": tracking stopped there\n";
}

// An object that leaves the picture ends its track as the last frame would;
// one lost on it leaves the track unfinished.
int StatusOfStop(const TdvTrackingStep& step) {
  return step.result.status == TrackStatus::kOutside ? kExitSuccess : kExitUnusableInput;
}

// A line for every frame the run tracks, until it ends or stops; the exit
// status.
int ListPositions(TdvTrackingRun& run, MovieTime timeScale, std::ostream& lines,
                  std::ostream& errors) {
  for (TdvTrackingStep step = run.Next(); step.event != TdvTrackingEvent::kFinished;
       step = run.Next()) {
    if (step.event == TdvTrackingEvent::kLost) {
      SayLost(errors, step, timeScale);
      return StatusOfStop(step);
    }
    if (step.event == TdvTrackingEvent::kNoPicture) {
      errors << "kinovex-cli: the frame at " << SecondsText(step.frame, timeScale)
             << " s cannot be decoded: the movie ends early\n";
      return kExitUnusableInput;
    }
    lines << Line(step.frame, timeScale, step.result.position, step.result.score);
  }
  return kExitSuccess;
}

}  // namespace

int TrackMovie(CliSession& session, const CliRequest& request, std::ostream& out,
               std::ostream& errors) {
  std::unique_ptr<TdvVideoMovie> movie = session.OpenMovie(request.operands[0]);
  if (!movie) {
    return kExitUnusableInput;
  }
  const TdvVideoMovieInfo& info = movie->Info();
  std::optional<StartPoint> start = ParseStart(*request.at, info.timeScale);
  if (!start) {
    errors << "kinovex-cli: --at takes TIME:X,Y (the time as frame takes it, x and y in "
              "pixels), not \""
           << *request.at << "\"\n";
    return kExitUsage;
  }
  if (!InsideMovie("--at", start->time, info, errors)) {
    return kExitUnusableInput;
  }
  int status = kExitSuccess;
  const TrackingPoint at = start->point;
  if (!(at.x >= 0 && at.x < info.naturalWidth && at.y >= 0 && at.y < info.naturalHeight)) {
    errors << "kinovex-cli: the start point " << at.x << "," << at.y
           << " lies off the picture, which is " << info.naturalWidth << " x " << info.naturalHeight
           << " pixels\n";
    return kExitUnusableInput;
  }
  std::optional<TdvTrackingChoices> choices =
      ChoicesFor(request, start->time, info, errors, status);
  if (!choices) {
    return status;
  }
  TdvVideoImage image;
  auto source = [&movie, &image](std::int32_t frame, TrackingPicture& picture) {
    return TrackingFrameOf(*movie, frame, image, picture);
  };
  const std::size_t startIndex = movie->FrameIndexAt(start->time);
  std::string error;
  std::optional<TdvTrackingRun> run =
      TdvTrackingRun::Start(info.frameTimes, startIndex, at, *choices, source, error);
  if (!run) {
    errors << "kinovex-cli: " << error << '\n';
    return kExitUnusableInput;
  }
  std::ostringstream lines;
  lines << Line(run->StartFrame(), info.timeScale, at, 1.0);
  status = ListPositions(*run, info.timeScale, lines, errors);
  if (request.output) {
    if (!WriteFileSafely(*request.output, lines.view())) {
      errors << "kinovex-cli: cannot write " << *request.output << '\n';
      return kExitUnusableInput;
    }
  } else {
    out << lines.view() << std::flush;
  }
  return status;
}

int TrackDocument(CliSession& session, const CliRequest& request, std::ostream& errors) {
  TdvDataObjectWindow* document = session.OpenDocument(request.operands[0], request.movie);
  if (document == nullptr) {
    return kExitUnusableInput;
  }
  TdvDataPoint* series = nullptr;
  for (std::int32_t id : document->ItemOrder()) {
    TdvDataObject* item = document->GetItem(id);
    if (item->GetName() == *request.series && item->IsA(kDataPointCode)) {
      series = static_cast<TdvDataPoint*>(item);
      break;
    }
  }
  if (series == nullptr) {
    errors << "kinovex-cli: " << request.operands[0] << " has no point series named \""
           << *request.series << "\"\n";
    return kExitUnusableInput;
  }
  auto* movie = dynamic_cast<TdvLibraryMovie*>(document->Movie());
  if (movie == nullptr) {
    errors << "kinovex-cli: the movie of " << request.operands[0]
           << " was not found: give it with --movie\n";
    return kExitUnusableInput;
  }
  const TdvVideoMovieInfo& info = movie->Video().Info();
  const std::vector<std::int32_t>& frames = document->FrameKeys();
  int status = kExitSuccess;
  std::optional<MovieTime> from;
  if (request.from) {
    from = TimeInMovie("--from", *request.from, info, errors, status);
    if (!from) {
      return status;
    }
    document->FrameIndex(*from, &*from);
  } else {
    auto first = std::find_if(frames.begin(), frames.end(),
                              [series](std::int32_t frame) { return series->HasData(frame); });
    from = first != frames.end() ? *first : frames.front();
  }
  if (!series->HasData(*from)) {
    errors << "kinovex-cli: the series \"" << *request.series << "\" has no datum at "
           << SecondsText(*from, info.timeScale) << " s to start tracking from\n";
    return kExitUnusableInput;
  }
  std::optional<TdvTrackingChoices> choices = ChoicesFor(request, *from, info, errors, status);
  if (!choices) {
    return status;
  }
  document->SelectItem(series->GetId(), 0);
  document->SetDisplayedTime(*from);
  if (!document->StartTracking(*choices)) {
    return kExitUnusableInput;
  }
  const TdvTrackingStep end = document->TrackAll();
  if (end.event == TdvTrackingEvent::kLost) {
    SayLost(errors, end, info.timeScale);
    document->FinishTracking();
    status = StatusOfStop(end);
  } else if (end.event == TdvTrackingEvent::kNoPicture) {
    status = kExitUnusableInput;
  }
  return SaveDocumentAs(*document, *request.output) ? status : kExitUnusableInput;
}

}  // namespace kinovex::cli

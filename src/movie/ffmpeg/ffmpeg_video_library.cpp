#include "movie/ffmpeg/ffmpeg_video_library.h"

#include <cstring>
#include <fstream>
#include <utility>

#include "movie/ffmpeg/ffmpeg_movie.h"

extern "C" {
#include <libavutil/display.h>
}

namespace kinovex {
namespace {

constexpr int kMaxPictureSide = 16384;

TdvVideoOpenResult Failure(TdvVideoOpenError error, std::string detail) {
  TdvVideoOpenResult result;
  result.error = error;
  result.detail = std::move(detail);
  return result;
}

// The first video stream that is a moving picture (cover art of an audio
// file is a video stream too) and that libavcodec can decode.
int ChooseVideoStream(const AVFormatContext& format) {
  for (unsigned i = 0; i < format.nb_streams; ++i) {
    const AVStream* stream = format.streams[i];
    if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
        !(stream->disposition & AV_DISPOSITION_ATTACHED_PIC) &&
        avcodec_find_decoder(stream->codecpar->codec_id)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

TdvCodecHandle OpenDecoder(const AVStream& stream, int threads) {
  const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
  TdvCodecHandle decoder(avcodec_alloc_context3(codec));
  if (!decoder || avcodec_parameters_to_context(decoder.get(), stream.codecpar) < 0) {
    return nullptr;
  }
  decoder->thread_count = threads;
  decoder->pkt_timebase = stream.time_base;
  if (avcodec_open2(decoder.get(), codec, nullptr) < 0) {
    return nullptr;
  }
  return decoder;
}

TdvDisplayGeometry GeometryOf(AVFormatContext& format, AVStream& stream) {
  TdvDisplayGeometry geometry;
  geometry.codedWidth = stream.codecpar->width;
  geometry.codedHeight = stream.codecpar->height;
  geometry.sampleAspect = av_guess_sample_aspect_ratio(&format, &stream, nullptr);
  const std::uint8_t* matrix = av_stream_get_side_data(&stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr);
  if (matrix) {
    geometry.clockwiseDegrees =
        ClockwiseDegreesFromMatrix(reinterpret_cast<const std::int32_t*>(matrix));
  }
  return geometry;
}

// The sample index only serves when it is complete: every sample inside the
// file (a truncated download keeps the index of the whole movie) and the
// track on the demuxer's clock.
std::optional<TdvFrameTable> TableFromSampleIndex(const TdvQuickTimeIndex& index, AVStream& stream,
                                                  std::int64_t fileSize) {
  if (index.fragmented || stream.time_base.num != 1) {
    return std::nullopt;
  }
  for (const TdvQuickTimeTrack& track : index.tracks) {
    if (track.trackId != static_cast<std::uint32_t>(stream.id) || !track.isVideo ||
        static_cast<int>(track.mediaTimeScale) != stream.time_base.den) {
      continue;
    }
    const int entries = avformat_index_get_entries_count(&stream);
    for (int i = 0; i < entries; ++i) {
      const AVIndexEntry* entry = avformat_index_get_entry(&stream, i);
      if (entry->pos + entry->size > fileSize) {
        return std::nullopt;
      }
    }
    if (auto frames = PresentedFrames(track)) {
      return TableFromIndex(*frames);
    }
  }
  return std::nullopt;
}

bool IsQuickTime(const AVFormatContext& format) {
  return std::strstr(format.iformat->name, "mov") != nullptr;
}

// The demuxer puts a time scale of 0 right as 1 second per unit, which
// would make a movie of one long frame; no time scale is better than that.
bool HasUnusableTimeScale(const TdvQuickTimeIndex& index, const AVStream& stream) {
  if (index.movieTimeScale == 0) {
    return true;
  }
  for (const TdvQuickTimeTrack& track : index.tracks) {
    if (track.trackId == static_cast<std::uint32_t>(stream.id) && track.mediaTimeScale == 0) {
      return true;
    }
  }
  return false;
}

// The container's own length of the stream, when it has one, ends the last
// frame: a packet's duration need not be the length of the frame shown. A
// length reaching past the frames may also belong to frames the file no
// longer holds: answers true then, and beyond two more frames the packets
// tell the end.
bool DeclaredLengthBeyondFrames(const AVStream& stream, TdvFrameTable& table) {
  const std::int64_t last = table.times.back();
  const std::int64_t end = table.LastEnd();
  if (stream.duration == AV_NOPTS_VALUE || stream.duration <= last) {
    return false;
  }
  const std::int64_t step = table.Count() > 1 ? last - table.times[table.Count() - 2] : end - last;
  if (stream.duration - end <= 2 * step) {
    table.end = stream.duration;
  }
  return stream.duration > end;
}

}  // namespace

TdvFfmpegVideoLibrary::TdvFfmpegVideoLibrary(TdvFfmpegOptions options) : options_(options) {
  if (options_.quiet) {
    av_log_set_level(AV_LOG_QUIET);
  }
}

TdvVideoOpenResult TdvFfmpegVideoLibrary::VideoOpen(const std::string& path,
                                                    const TdvVideoProgress& progress) {
  return Open(path, progress, options_.useSampleIndex);
}

TdvVideoOpenResult TdvFfmpegVideoLibrary::Open(const std::string& path,
                                               const TdvVideoProgress& progress,
                                               bool useSampleIndex) {
  std::ifstream probe(path, std::ios::binary | std::ios::ate);
  if (!probe) {
    return Failure(TdvVideoOpenError::kCannotRead, "The file cannot be read.");
  }
  const std::int64_t fileSize = static_cast<std::int64_t>(probe.tellg());
  if (fileSize <= 0) {
    return Failure(TdvVideoOpenError::kNotAMovie, "The file is empty.");
  }
  AVFormatContext* opened = nullptr;
  if (avformat_open_input(&opened, path.c_str(), nullptr, nullptr) < 0) {
    return Failure(TdvVideoOpenError::kNotAMovie, "The file is not a movie.");
  }
  TdvFormatHandle format(opened);
  if (avformat_find_stream_info(format.get(), nullptr) < 0) {
    return Failure(TdvVideoOpenError::kNotAMovie, "The streams of the file cannot be read.");
  }
  const int streamIndex = ChooseVideoStream(*format);
  if (streamIndex < 0) {
    return Failure(TdvVideoOpenError::kNotAMovie, "The file has no video stream.");
  }
  AVStream* stream = format->streams[streamIndex];
  if (stream->time_base.num <= 0 || stream->time_base.den <= 0) {
    return Failure(TdvVideoOpenError::kNotAMovie, "The movie's time scale is not positive.");
  }
  for (unsigned i = 0; i < format->nb_streams; ++i) {
    format->streams[i]->discard =
        static_cast<int>(i) == streamIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
  }
  TdvFfmpegMovieParts parts;
  parts.geometry = GeometryOf(*format, *stream);
  const auto& geometry = parts.geometry;
  if (geometry.codedWidth <= 0 || geometry.codedHeight <= 0 ||
      geometry.DisplayWidth() > kMaxPictureSide || geometry.DisplayHeight() > kMaxPictureSide) {
    return Failure(TdvVideoOpenError::kNotAMovie, "The video has no usable picture size.");
  }
  parts.decoder = OpenDecoder(*stream, options_.decoderThreads);
  if (!parts.decoder) {
    return Failure(TdvVideoOpenError::kNotAMovie, "The video cannot be decoded.");
  }
  std::optional<TdvFrameTable> table;
  if (IsQuickTime(*format)) {
    if (auto index = ReadQuickTimeIndex(path)) {
      if (HasUnusableTimeScale(*index, *stream)) {
        return Failure(TdvVideoOpenError::kNotAMovie, "The movie's time scale is not positive.");
      }
      parts.userItems = std::move(index->userItems);
      if (useSampleIndex) {
        table = TableFromSampleIndex(*index, *stream, fileSize);
      }
    }
  }
  const bool fromIndex = table.has_value();
  if (!fromIndex) {
    table.emplace();
    switch (ScanPackets(*format, streamIndex, progress, *table)) {
      case TdvFrameScan::kCancelled:
        return Failure(TdvVideoOpenError::kCancelled, "Opening the movie was cancelled.");
      case TdvFrameScan::kNoFrames:
        return Failure(TdvVideoOpenError::kNotAMovie, "The movie has no video frames.");
      case TdvFrameScan::kDone:
        break;
    }
  }
  // A complete sample index has every frame in the file. Otherwise the last
  // frame is decoded once when the file may have lost its tail: a declared
  // length beyond the frames, or an MPEG stream, which has no length or
  // trailer to compare with.
  const bool tailInDoubt =
      DeclaredLengthBeyondFrames(*stream, *table) || (!fromIndex && IsMpegStream(*format));
  TdvVideoMovieInfo info;
  auto times = MovieTimes(*table, stream->time_base, info.duration);
  if (!times) {
    return Failure(TdvVideoOpenError::kTimesTooLarge,
                   "The movie is too long: its times do not fit the program's frame keys.");
  }
  info.frameTimes = std::move(*times);
  info.timeScale = stream->time_base.den;
  info.naturalWidth = geometry.DisplayWidth();
  info.naturalHeight = geometry.DisplayHeight();
  info.codecName = avcodec_get_name(stream->codecpar->codec_id);
  parts.table = std::move(*table);
  parts.streamIndex = streamIndex;
  parts.format = std::move(format);
  parts.cacheBytes = options_.cacheBytes;
  parts.fromSampleIndex = fromIndex;
  parts.seekByPosition = IsMpegStream(*parts.format) && parts.table.HasKeyPositions();
  auto movie = std::make_unique<TdvFfmpegMovie>(std::move(info), std::move(parts));
  if (fromIndex && !movie->AnchorToFirstPackets()) {
    // The index disagrees with what the demuxer delivers: trust the packets.
    return Open(path, progress, false);
  }
  if (!fromIndex && movie->FrameTableFromDecodeTimes()) {
    // Without a picture the guessed times stay: frames may still decode later.
    movie->AnchorToFirstPicture();
  }
  if (tailInDoubt && !movie->TrimUndecodableTail()) {
    return Failure(TdvVideoOpenError::kNotAMovie, "No frame of the movie can be decoded.");
  }
  TdvVideoOpenResult result;
  result.movie = std::move(movie);
  return result;
}

}  // namespace kinovex

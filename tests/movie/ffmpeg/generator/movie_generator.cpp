#include "movie_generator.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include "frame_code.h"
#include "picture_painter.h"
#include "user_data_writer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace kinovex::testing {
namespace {

struct Muxer {
  AVFormatContext* format = nullptr;
  ~Muxer() {
    if (format) {
      if (format->pb) {
        avio_closep(&format->pb);
      }
      avformat_free_context(format);
    }
  }
};
struct EncoderCloser {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameCloser {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketCloser {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ScaleCloser {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};
using Encoder = std::unique_ptr<AVCodecContext, EncoderCloser>;

const AVCodec* FindEncoder(TestCodec codec) {
  switch (codec) {
    case TestCodec::kMpeg4:
      return avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    case TestCodec::kMjpeg:
      return avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    case TestCodec::kH264:
      return avcodec_find_encoder(AV_CODEC_ID_H264);
    case TestCodec::kMpeg2:
      return avcodec_find_encoder(AV_CODEC_ID_MPEG2VIDEO);
  }
  return nullptr;
}

std::vector<std::int64_t> FrameTimes(const TestMovieRecipe& request) {
  if (!request.frameTimes.empty()) {
    return request.frameTimes;
  }
  std::vector<std::int64_t> times;
  for (int i = 0; i < request.frameCount; ++i) {
    times.push_back(std::int64_t{i} * request.frameDuration);
  }
  return times;
}

Encoder OpenEncoder(const TestMovieRecipe& request, bool globalHeader) {
  const AVCodec* codec = FindEncoder(request.codec);
  if (!codec) {
    return nullptr;
  }
  Encoder encoder(avcodec_alloc_context3(codec));
  AVCodecContext* c = encoder.get();
  c->width = request.width;
  c->height = request.height;
  c->time_base = AVRational{1, request.timeScale};
  c->pix_fmt = request.codec == TestCodec::kMjpeg ? AV_PIX_FMT_YUVJ420P : AV_PIX_FMT_YUV420P;
  c->gop_size = request.gop;
  c->max_b_frames = request.bFrames;
  c->sample_aspect_ratio = AVRational{request.aspectNum, request.aspectDen};
  c->thread_count = 2;
  if (request.codec == TestCodec::kH264) {
    av_opt_set(c->priv_data, "preset", "veryfast", 0);
    av_opt_set_int(c->priv_data, "crf", request.quantizer * 6, 0);
    // Keyframes exactly every `gop` frames, as the benchmarks expect.
    av_opt_set(c->priv_data, "x264-params",
               request.openGop ? "scenecut=0:open-gop=1" : "scenecut=0", 0);
  } else {
    c->flags |= AV_CODEC_FLAG_QSCALE;
    c->global_quality = FF_QP2LAMBDA * request.quantizer;
  }
  if (request.codec == TestCodec::kMpeg2) {
    // Keyframes exactly every `gop` frames; closed GOPs need this too.
    av_opt_set_int(c->priv_data, "sc_threshold", 1000000000, 0);
    if (!request.openGop) {
      c->flags |= AV_CODEC_FLAG_CLOSED_GOP;
    }
  }
  if (globalHeader) {
    c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  }
  if (avcodec_open2(c, codec, nullptr) < 0) {
    return nullptr;
  }
  return encoder;
}

AVStream* AddVideoStream(const TestMovieRecipe& request, AVFormatContext* format,
                         const AVCodecContext* encoder) {
  AVStream* stream = avformat_new_stream(format, nullptr);
  if (!stream || avcodec_parameters_from_context(stream->codecpar, encoder) < 0) {
    return nullptr;
  }
  stream->time_base = encoder->time_base;
  stream->sample_aspect_ratio = encoder->sample_aspect_ratio;
  if (request.rotationDegrees != 0) {
    auto* matrix = reinterpret_cast<std::int32_t*>(
        av_stream_new_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, 9 * sizeof(std::int32_t)));
    if (!matrix) {
      return nullptr;
    }
    // The QuickTime muxer of FFmpeg 5.1 writes this matrix transposed, so the
    // angle goes in with the sign that its demuxer reads back as clockwise.
    av_display_rotation_set(matrix, request.rotationDegrees);
  }
  return stream;
}

// Encoders do not know how long a frame of uneven timing lasts; the
// container needs it to place the end of the movie.
void SetDuration(const std::vector<std::int64_t>& times, std::int64_t single, AVPacket* packet) {
  auto at = std::lower_bound(times.begin(), times.end(), packet->pts);
  if (at == times.end() || *at != packet->pts) {
    return;
  }
  if (at + 1 != times.end()) {
    packet->duration = *(at + 1) - *at;
  } else {
    packet->duration = at != times.begin() ? *at - *(at - 1) : single;
  }
}

bool Drain(const TestMovieRecipe& request, const std::vector<std::int64_t>& times,
           AVCodecContext* encoder, AVFormatContext* format, AVStream* stream, AVPacket* packet) {
  int result;
  while ((result = avcodec_receive_packet(encoder, packet)) >= 0) {
    SetDuration(times, request.frameDuration, packet);
    av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
    packet->stream_index = stream->index;
    if (av_interleaved_write_frame(format, packet) < 0) {
      return false;
    }
  }
  return result == AVERROR(EAGAIN) || result == AVERROR_EOF;
}

bool EncodeFrames(const TestMovieRecipe& request, const std::vector<std::int64_t>& times,
                  AVCodecContext* encoder, AVFormatContext* format, AVStream* stream) {
  std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
  std::unique_ptr<AVPacket, PacketCloser> packet(av_packet_alloc());
  std::unique_ptr<SwsContext, ScaleCloser> scaler(
      sws_getContext(request.width, request.height, AV_PIX_FMT_RGB24, request.width, request.height,
                     encoder->pix_fmt, SWS_BILINEAR, nullptr, nullptr, nullptr));
  frame->format = encoder->pix_fmt;
  frame->width = request.width;
  frame->height = request.height;
  if (!scaler || av_frame_get_buffer(frame.get(), 0) < 0) {
    return false;
  }
  std::vector<std::uint8_t> rgb;
  for (std::size_t i = 0; i < times.size(); ++i) {
    const double seconds = double(times[i] - times[0]) / request.timeScale;
    PaintTestPicture(request, static_cast<int>(i), seconds, rgb);
    if (av_frame_make_writable(frame.get()) < 0) {
      return false;
    }
    const std::uint8_t* planes[1] = {rgb.data()};
    const int strides[1] = {request.width * 3};
    sws_scale(scaler.get(), planes, strides, 0, request.height, frame->data, frame->linesize);
    frame->pts = times[i];
    if (avcodec_send_frame(encoder, frame.get()) < 0 ||
        !Drain(request, times, encoder, format, stream, packet.get())) {
      return false;
    }
  }
  return avcodec_send_frame(encoder, nullptr) >= 0 &&
         Drain(request, times, encoder, format, stream, packet.get());
}

bool WriteHeader(const TestMovieRecipe& request, AVFormatContext* format) {
  AVDictionary* options = nullptr;
  if (request.fastStart) {
    av_dict_set(&options, "movflags", "faststart", 0);
  }
  const int result = avformat_write_header(format, &options);
  av_dict_free(&options);
  return result >= 0;
}

GeneratedMovie Failed(const std::string& why) {
  GeneratedMovie movie;
  movie.error = why;
  return movie;
}

}  // namespace

std::function<BallSpot(double)> ThrownBall(double x0, double y0, double vx, double vy, double ay) {
  return [=](double t) { return BallSpot{x0 + vx * t, y0 - vy * t + 0.5 * ay * t * t}; };
}

bool HasH264Encoder() {
  return FindEncoder(TestCodec::kH264) != nullptr;
}

GeneratedMovie MakeTestMovie(const TestMovieRecipe& request) {
  av_log_set_level(AV_LOG_QUIET);
  const std::vector<std::int64_t> times = FrameTimes(request);
  if (times.empty() || request.width < kCodeWidth || request.height < kCodeHeight) {
    return Failed("a test movie needs frames and room for the frame code");
  }
  Muxer muxer;
  if (avformat_alloc_output_context2(&muxer.format, nullptr, nullptr, request.path.c_str()) < 0) {
    return Failed("no container for " + request.path);
  }
  AVFormatContext* format = muxer.format;
  Encoder encoder = OpenEncoder(request, format->oformat->flags & AVFMT_GLOBALHEADER);
  if (!encoder) {
    return Failed("the encoder cannot be opened");
  }
  AVStream* stream = AddVideoStream(request, format, encoder.get());
  if (!stream || avio_open(&format->pb, request.path.c_str(), AVIO_FLAG_WRITE) < 0 ||
      !WriteHeader(request, format)) {
    return Failed("cannot write " + request.path);
  }
  if (!EncodeFrames(request, times, encoder.get(), format, stream) ||
      av_write_trailer(format) < 0) {
    return Failed("encoding failed");
  }
  GeneratedMovie movie;
  movie.timeScale = stream->time_base.den;
  for (std::int64_t time : times) {
    const std::int64_t units = av_rescale_q(time - times[0], encoder->time_base, stream->time_base);
    movie.frameTimes.push_back(static_cast<std::int32_t>(units * stream->time_base.num));
  }
  avio_closep(&format->pb);
  if (!request.embeddedDocument.empty() &&
      !AppendQuickTimeUserText(request.path, "\xA9KXC", request.embeddedDocument, movie.error)) {
    return movie;
  }
  movie.ok = true;
  return movie;
}

bool TruncatedCopy(const std::string& from, const std::string& to, std::uint64_t bytes) {
  std::ifstream in(from, std::ios::binary);
  std::vector<char> data(bytes);
  in.read(data.data(), static_cast<std::streamsize>(bytes));
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  out.write(data.data(), in.gcount());
  return static_cast<bool>(out);
}

}  // namespace kinovex::testing

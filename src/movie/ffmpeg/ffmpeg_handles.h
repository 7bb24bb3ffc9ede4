#pragma once

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace kinovex {

// Owning handles for the FFmpeg objects, each released by its own function.
struct TdvFormatCloser {
  void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct TdvCodecCloser {
  void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct TdvFrameCloser {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct TdvPacketCloser {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct TdvScaleCloser {
  void operator()(SwsContext* context) const { sws_freeContext(context); }
};

using TdvFormatHandle = std::unique_ptr<AVFormatContext, TdvFormatCloser>;
using TdvCodecHandle = std::unique_ptr<AVCodecContext, TdvCodecCloser>;
using TdvFrameHandle = std::unique_ptr<AVFrame, TdvFrameCloser>;
using TdvPacketHandle = std::unique_ptr<AVPacket, TdvPacketCloser>;
using TdvScaleHandle = std::unique_ptr<SwsContext, TdvScaleCloser>;

}  // namespace kinovex

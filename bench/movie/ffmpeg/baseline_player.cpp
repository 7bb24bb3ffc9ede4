#include "baseline_player.h"

namespace kinovex::bench {

BaselinePlayer::BaselinePlayer(const std::string& path) {
  if (avformat_open_input(&format_, path.c_str(), nullptr, nullptr) < 0 ||
      avformat_find_stream_info(format_, nullptr) < 0) {
    return;
  }
  stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (stream_ < 0) {
    return;
  }
  const AVCodecParameters* parameters = format_->streams[stream_]->codecpar;
  const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
  AVCodecContext* decoder = avcodec_alloc_context3(codec);
  avcodec_parameters_to_context(decoder, parameters);
  decoder->thread_count = 2;
  if (avcodec_open2(decoder, codec, nullptr) < 0) {
    avcodec_free_context(&decoder);
    return;
  }
  decoder_ = decoder;
  packet_ = av_packet_alloc();
  frame_ = av_frame_alloc();
}

BaselinePlayer::~BaselinePlayer() {
  av_frame_free(&frame_);
  av_packet_free(&packet_);
  sws_freeContext(scaler_);
  avcodec_free_context(&decoder_);
  avformat_close_input(&format_);
}

std::int64_t BaselinePlayer::ReadAllPackets() {
  std::int64_t count = 0;
  while (av_read_frame(format_, packet_) >= 0) {
    count += packet_->stream_index == stream_;
    av_packet_unref(packet_);
  }
  return count;
}

bool BaselinePlayer::Decode() {
  for (;;) {
    int result = avcodec_receive_frame(decoder_, frame_);
    if (result >= 0) {
      return true;
    }
    if (result != AVERROR(EAGAIN)) {
      return false;
    }
    bool sent = false;
    while (!sent && av_read_frame(format_, packet_) >= 0) {
      if (packet_->stream_index == stream_) {
        avcodec_send_packet(decoder_, packet_);
        sent = true;
      }
      av_packet_unref(packet_);
    }
    if (!sent) {
      avcodec_send_packet(decoder_, nullptr);
    }
  }
}

void BaselinePlayer::Convert() {
  scaler_ = sws_getCachedContext(
      scaler_, frame_->width, frame_->height, static_cast<AVPixelFormat>(frame_->format),
      frame_->width, frame_->height, AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);
  rgb_.resize(static_cast<std::size_t>(frame_->width) * frame_->height * 3);
  std::uint8_t* planes[4] = {rgb_.data(), nullptr, nullptr, nullptr};
  int strides[4] = {frame_->width * 3, 0, 0, 0};
  sws_scale(scaler_, frame_->data, frame_->linesize, 0, frame_->height, planes, strides);
}

bool BaselinePlayer::NextPicture() {
  if (!Decode()) {
    return false;
  }
  Convert();
  av_frame_unref(frame_);
  return true;
}

bool BaselinePlayer::SeekAndDecode(std::int64_t pts) {
  if (av_seek_frame(format_, stream_, pts, AVSEEK_FLAG_BACKWARD) < 0) {
    return false;
  }
  avcodec_flush_buffers(decoder_);
  while (Decode()) {
    if (frame_->best_effort_timestamp >= pts) {
      Convert();
      av_frame_unref(frame_);
      return true;
    }
    av_frame_unref(frame_);
  }
  return false;
}

}  // namespace kinovex::bench

#include "cli_test_support.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

namespace kinovex::testing {
namespace {

std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

struct CodecFree {
  void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};

std::optional<TdvVideoImage> ToRgb(const AVFrame& frame) {
  TdvVideoImage image;
  image.width = frame.width;
  image.height = frame.height;
  image.rgb.resize(static_cast<std::size_t>(frame.width) * frame.height * 3);
  SwsContext* scaler = sws_getContext(
      frame.width, frame.height, static_cast<AVPixelFormat>(frame.format), frame.width,
      frame.height, AV_PIX_FMT_RGB24, SWS_POINT, nullptr, nullptr, nullptr);
  if (scaler == nullptr) {
    return std::nullopt;
  }
  std::uint8_t* planes[1] = {image.rgb.data()};
  int strides[1] = {frame.width * 3};
  sws_scale(scaler, frame.data, frame.linesize, 0, frame.height, planes, strides);
  sws_freeContext(scaler);
  return image;
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& args, const std::string& folder) {
  std::string command = "cd " + Quoted(folder) + " && " + Quoted(KINOVEX_CLI);
  for (const std::string& arg : args) {
    command += " " + Quoted(arg);
  }
  const std::string out = folder + "/cli.out";
  const std::string err = folder + "/cli.err";
  command += " >" + Quoted(out) + " 2>" + Quoted(err);
  CliRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadWhole(out);
  run.err = ReadWhole(err);
  return run;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::optional<TdvVideoImage> DecodePng(const std::string& path) {
  const std::string bytes = ReadWhole(path);
  const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_PNG);
  std::unique_ptr<AVCodecContext, CodecFree> decoder(avcodec_alloc_context3(codec));
  std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
  std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
  if (bytes.empty() || !decoder || avcodec_open2(decoder.get(), codec, nullptr) < 0 ||
      av_new_packet(packet.get(), static_cast<int>(bytes.size())) < 0) {
    return std::nullopt;
  }
  std::copy(bytes.begin(), bytes.end(), packet->data);
  if (avcodec_send_packet(decoder.get(), packet.get()) < 0 ||
      avcodec_receive_frame(decoder.get(), frame.get()) < 0) {
    return std::nullopt;
  }
  return ToRgb(*frame);
}

}  // namespace kinovex::testing

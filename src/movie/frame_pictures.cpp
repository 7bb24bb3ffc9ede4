#include "movie/frame_pictures.h"

#include "movie/frame_picture.h"

namespace kinovex {

const shell::Picture* TdvFramePictures::PictureOf(std::size_t index) {
  for (auto kept = kept_.begin(); kept != kept_.end(); ++kept) {
    if (kept->first == index) {
      kept_.splice(kept_.begin(), kept_, kept);
      return &kept_.front().second;
    }
  }
  const auto& times = movie_.VideoFrameTimes();
  if (index >= times.size()) {
    return nullptr;
  }
  if (!movie_.VideoFrameImage(times[index], image_)) {
    return nullptr;
  }
  std::vector<shell::Rgb> storage;
  if (kept_.size() >= kKept) {
    storage = kept_.back().second.TakePixels();
    kept_.pop_back();
  }
  shell::Picture picture = FramePicture(image_, std::move(storage));
  if (picture.Empty()) {
    return nullptr;
  }
  kept_.emplace_front(index, std::move(picture));
  return &kept_.front().second;
}

bool TdvFramePictures::Decodes(std::size_t index) {
  return PictureOf(index) != nullptr;
}

std::size_t TdvFramePictures::ShowableFrames(std::size_t failed) {
  const std::size_t count = movie_.VideoFrameTimes().size();
  if (count == 0 || Decodes(count - 1)) {
    return count;
  }
  // The first frame that fails lies in (good, failed]; the end of the file
  // is there.
  std::size_t good = 0;
  if (!Decodes(0)) {
    return count;  // nothing decodes: every frame says so
  }
  std::size_t bad = failed;
  while (bad - good > 1) {
    const std::size_t middle = good + (bad - good) / 2;
    (Decodes(middle) ? good : bad) = middle;
  }
  return bad;
}

}  // namespace kinovex

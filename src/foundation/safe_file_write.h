#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

// Every file the program and the tool produce is written here, so that a
// failure never leaves a partial file in place of a good one.
//
// The bytes go to a new temporary file created exclusively (unique name) in
// the target's folder, flushed to disk and then renamed over the target:
// the old file is whole until the new one is. A symbolic link as target is
// kept, and the file it names is replaced. The new file gets the old one's
// mode (a new file the mode the umask allows). A target whose mode gives
// its owner no write permission is refused, even when the process could
// replace it. On any failure the temporary file is removed and false is
// returned.
bool WriteFileSafely(const std::string& path, std::string_view bytes);

// The call that puts bytes into a file descriptor, as ::write does. Tests
// replace it to make a write fail part way, as on a full disk.
using TdvWriteCall = ssize_t (*)(int descriptor, const void* bytes, std::size_t count);

// Replaces the write call of WriteFileSafely while it lives.
class TdvScopedWriteCall {
 public:
  explicit TdvScopedWriteCall(TdvWriteCall call);
  ~TdvScopedWriteCall();
  TdvScopedWriteCall(const TdvScopedWriteCall&) = delete;
  TdvScopedWriteCall& operator=(const TdvScopedWriteCall&) = delete;

 private:
  TdvWriteCall previous_;
};

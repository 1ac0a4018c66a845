#pragma once

#include <QLockFile>
#include <QString>

namespace selvio {

// One update at a time in a working folder, whichever program runs it (the window, "selvio-cli
// update"): the lock file kUpdateLock in the folder, held from construction to destruction. A
// lock left by a process that died is taken over.
class UpdateLock {
 public:
  enum class State {
    Held,        // this update may go on
    Busy,        // another update holds the folder
    Unwritable,  // the lock file cannot be created: the folder is not writable
  };

  explicit UpdateLock(const QString& folder);

  State Taken() const { return state_; }

 private:
  QLockFile file_;
  State state_ = State::Held;
};

}  // namespace selvio

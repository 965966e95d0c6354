#pragma once

#include "records/history_file.h"

#include <future>

namespace records {

// Reads a history file on a thread of its own from the moment it is made, so
// that a long history is read while the window system starts up, on another
// core. take() waits for the reading and hands the records over, once.
class HistoryPreload {
public:
    explicit HistoryPreload(const QString& path);
    HistoryLoad take();

private:
    std::future<HistoryLoad> load_; // its destructor waits for the thread
};

} // namespace records

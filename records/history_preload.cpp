#include "records/history_preload.h"

#include <QThread>

namespace records {

HistoryPreload::HistoryPreload(const QString& path) {
    // Qt takes the first thread that asks for its thread data as its main
    // thread: ask here, before the reading thread's file object does.
    QThread::currentThread();
    load_ = std::async(std::launch::async, [path] { return LoadHistory(path); });
}

HistoryLoad HistoryPreload::take() {
    return load_.valid() ? load_.get() : HistoryLoad{};
}

} // namespace records

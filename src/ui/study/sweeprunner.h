// Runs a sweep off the GUI thread and hands its rows to the GUI thread in
// batches, so the event loop never waits on a solve: the study layer's
// workers queue each row as it is delivered, and a short timer on the GUI
// thread drains the queue.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "runtime/numconv.h"
#include "study/sweepgrid.h"
#include "study/sweeprow.h"

namespace colmara {

class SweepRunner : public QObject {
    Q_OBJECT

  public:
    explicit SweepRunner(QObject* parent = nullptr);
    // Cancels a running sweep and waits for its threads: none outlives the
    // runner.
    ~SweepRunner() override;

    // Starts solving `grid` on `threads` workers (0: one per core). A sweep
    // still running is cancelled and waited for first, and rows of it not
    // yet handed over are dropped.
    void Start(const SweepGrid& grid, const FormatSettings& settings, unsigned threads = 0);
    // Asks the running sweep to stop after the row in hand; Finished follows
    // once the rows delivered by then have been handed over.
    void Cancel();
    bool Running() const { return thread_.joinable(); }

  signals:
    // Rows in grid order, each batch following on from the last.
    void RowsArrived(const std::vector<colmara::SweepRow>& rows);
    void Progressed(quint64 done, quint64 total);
    // After the last batch: whether the sweep stopped short, and the message
    // of an exception that ended it (empty when none did).
    void Finished(bool cancelled, const QString& error);

  private:
    // What the sweep's threads hand the GUI thread, under its mutex.
    struct Handover;

    void Drain();
    void Stop();

    std::shared_ptr<Handover> handover_;
    std::atomic<bool> cancel_{false};
    QTimer drainTimer_;
    std::thread thread_;  // declared last: joined before anything it uses goes
};

}  // namespace colmara

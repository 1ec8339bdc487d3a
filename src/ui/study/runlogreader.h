// Reads the batch tab's run logs off the GUI thread (a log may be 10 MB):
// each request goes to a worker thread at once and its outcome is
// delivered on the GUI thread; a newer request or Cancel drops an older
// one's outcome, so a log closed or replaced while it was read never shows.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>

#include "study/runlog.h"
#include "ui/study/debouncedworker.h"

namespace colmara {

// A log read, or why it was refused.
struct RunLogOutcome {
    std::string path;
    std::shared_ptr<const RunLog> log;  // null when refused
    std::string error;                  // set when `log` is null
};

class RunLogReader : public QObject {
    Q_OBJECT

  public:
    explicit RunLogReader(QObject* parent = nullptr);

    void Request(const std::string& path);
    // Nothing is delivered until the next request's outcome.
    void Cancel() { jobs_.Cancel(); }
    bool Busy() const { return jobs_.Busy(); }

  signals:
    void Read(const colmara::RunLogOutcome& outcome);

  private slots:
    void TakeRead();

  private:
    struct Job {
        std::uint64_t id = 0;
        std::string path;
    };
    struct Finish {
        std::uint64_t id = 0;
        RunLogOutcome outcome;
    };
    static Finish Work(const Job& job);

    DebouncedWorker<Job, Finish> jobs_{
        this, "TakeRead", 0, [](Job& job, std::stop_token) { return std::optional(Work(job)); }};
};

}  // namespace colmara

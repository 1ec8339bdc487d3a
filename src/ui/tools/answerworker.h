// A Tools window form's answers computed on a worker thread, for a form
// whose answer takes longer than a keystroke may (a plate count solves up
// to a hundred columns): each request restarts a short debounce, then the
// newest job goes to a worker of its own and its answer comes back on the
// GUI thread as the text to show. An answer that a newer request has
// overtaken is dropped, so the form shows the newest texts' answer; the
// GUI thread never waits.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <stop_token>

#include "runtime/numconv.h"
#include "toolsview/answerjob.h"
#include "ui/study/debouncedworker.h"

namespace colmara {

class AnswerWorker : public QObject {
    Q_OBJECT

  public:
    static constexpr int kDebounceMs = 40;

    explicit AnswerWorker(QObject* parent = nullptr);

    // Asks for `job`'s answer, run once the debounce has passed without a
    // newer request.
    void Request(AnswerJob job, const FormatSettings& settings);
    // Hands the waiting request to the worker now (tests, benchmarks).
    void Flush() { jobs_.Flush(); }
    // True from a request until its answer (or a newer one) is delivered.
    bool Busy() const { return jobs_.Busy(); }

  signals:
    void Answered(const QString& text, bool refused);

  private slots:
    // On the GUI thread: takes the worker's newest answer and delivers it.
    void TakeAnswer();

  private:
    struct Job {
        std::uint64_t id = 0;
        AnswerJob answer;
        FormatSettings settings;
    };
    struct Answer {
        std::uint64_t id = 0;
        ShownAnswer shown;
    };

    DebouncedWorker<Job, Answer> jobs_{
        this, "TakeAnswer", kDebounceMs, [](Job& job, std::stop_token) {
            return std::optional(Answer{job.id, ShownAnswerOf(job.answer, job.settings)});
        }};
};

}  // namespace colmara

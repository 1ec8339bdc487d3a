#include "ui/tools/answerworker.h"

#include <utility>

namespace colmara {

AnswerWorker::AnswerWorker(QObject* parent) : QObject(parent) {}

void AnswerWorker::Request(AnswerJob job, const FormatSettings& settings) {
    jobs_.Request({0, std::move(job), settings});
}

void AnswerWorker::TakeAnswer() {
    // Nothing when an earlier wake-up took it or a newer request overtook it.
    if (std::optional<Answer> answer = jobs_.TakeCurrent())
        emit Answered(QString::fromStdString(answer->shown.text), answer->shown.refused);
}

}  // namespace colmara

// A form's answer as a job that needs no widget: the form reads its fields
// into texts on its own thread and hands over a job holding them, which
// may run there or on a worker. Running it gives the text the form shows:
// the answer's lines, or the refusal's message.
#pragma once

#include <functional>
#include <string>

#include "runtime/numconv.h"
#include "toolsview/numbertext.h"
#include "toolsview/toolanswer.h"

namespace colmara {

// The job holds copies of its texts, so it outlives the fields.
using AnswerJob = std::function<ToolAnswer(const NumberReader&)>;

struct ShownAnswer {
    std::string text;
    bool refused = false;  // a refusal or a failed calculation
};

// Runs `job` with a form's reader (refusals name the field without quoting
// its text) and writes its WindowText; anything the job throws becomes its
// message, refused, so nothing escapes a worker thread.
ShownAnswer ShownAnswerOf(const AnswerJob& job, const FormatSettings& settings);

}  // namespace colmara

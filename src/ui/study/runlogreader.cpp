#include "ui/study/runlogreader.h"

#include <exception>

#include "runtime/fileerror.h"
#include "study/studyerror.h"

namespace colmara {

RunLogReader::RunLogReader(QObject* parent) : QObject(parent) {
    qRegisterMetaType<colmara::RunLogOutcome>("colmara::RunLogOutcome");
}

void RunLogReader::Request(const std::string& path) {
    jobs_.Request({0, path});
    jobs_.Flush();
}

RunLogReader::Finish RunLogReader::Work(const Job& job) {
    Finish finish{job.id, {job.path, nullptr, {}}};
    const std::string lead = "Cannot open the run log '" + job.path + "': ";
    try {
        finish.outcome.log = std::make_shared<const RunLog>(ReadRunLog(job.path));
    } catch (const StudyError& e) {
        finish.outcome.error = lead + e.Message();
    } catch (const FileError& e) {
        finish.outcome.error = lead + e.what() + '.';
    } catch (const std::exception& e) {
        // Nothing may escape the worker thread.
        finish.outcome.error = lead + e.what();
    }
    return finish;
}

void RunLogReader::TakeRead() {
    if (std::optional<Finish> finish = jobs_.TakeCurrent()) emit Read(finish->outcome);
}

}  // namespace colmara

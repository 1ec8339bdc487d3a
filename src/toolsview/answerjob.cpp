#include "toolsview/answerjob.h"

#include <exception>

#include "runtime/exceptions.h"

namespace colmara {

ShownAnswer ShownAnswerOf(const AnswerJob& job, const FormatSettings& settings) {
    try {
        return {WindowText(job(NumberReader(settings, false)), settings), false};
    } catch (const Exception& e) {
        return {e.Message(), true};
    } catch (const std::exception& e) {
        return {e.what(), true};
    }
}

}  // namespace colmara

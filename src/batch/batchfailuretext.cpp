#include "batch/batchfailuretext.h"

#include <exception>

#include "batch/batcherror.h"
#include "runtime/exceptions.h"
#include "study/studyerror.h"

namespace colmara {

std::optional<std::string> FailureOf(const std::function<void()>& work) {
    try {
        work();
        return std::nullopt;
    } catch (const BatchCancelled&) {
        throw;
    } catch (const BatchFailure& failure) {
        return failure.Message();
    } catch (const StudyError& e) {
        return e.Message();
    } catch (const Exception& e) {
        return MessageWithPeriod(e.Message());
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
}

}  // namespace colmara

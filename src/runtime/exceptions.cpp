#include "runtime/exceptions.h"

namespace colmara {

std::string MessageWithPeriod(const std::string& message) {
    if (message.empty() || static_cast<unsigned char>(message.back()) <= '.') return message;
    return message + '.';
}

}  // namespace colmara

#include "study/batchtexts.h"

#include "runtime/typedtext.h"

namespace colmara {

std::vector<std::string> CutItems(const std::string& cuts) {
    std::vector<std::string> items;
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = cuts.find(';', from);
        const std::string item = Trimmed(cuts.substr(from, end - from));
        if (!item.empty()) items.push_back(item);
        if (end == std::string::npos) return items;
        from = end + 1;
    }
}

}  // namespace colmara

#include "studyview/typedstrength.h"

namespace colmara {

void TypedStrength::Typed(const std::string& text, StrengthUnit unit) {
    typed_ = text;
    typedUnit_ = unit;
    switched_.reset();
}

void TypedStrength::Shown(const std::string& text, StrengthUnit unit) {
    if (text != switched_) Typed(text, unit);
}

std::string TypedStrength::SwitchTo(StrengthUnit to, const FormatSettings& settings) {
    if (to == typedUnit_)
        switched_.reset();
    else
        switched_ = rewrite_(typed_, typedUnit_, to, settings);
    return switched_.value_or(typed_);
}

}  // namespace colmara

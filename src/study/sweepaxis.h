// One input of a sweep: either a single field text, used as typed, or a range
// FROM:TO[:STEP] whose values are generated as field texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/numconv.h"
#include "study/strengthunit.h"
#include "study/valuetext.h"

namespace colmara {

// No sweep, and so no single input, has more rows than this.
inline constexpr std::uint64_t kMaxSweepRows = 10'000'000;

class SweepAxis {
  public:
    // `text` without a ':' is one field text. With one it is a range: numbers
    // written with '.' whatever the locale, STEP 1 when left out; value i is
    // FROM + i x STEP, and the last value is the last one not beyond TO
    // (so "0:10:6" gives 0 and 6). Decimal ranges step and end in exact
    // decimals, so "0:1:0.1" gives "0.3" as a user would type it, not the
    // double 0.1 x 3, and ends at 1; other ranges include TO when rounding
    // leaves it a few units in the last place short.
    // `name` ("power", "strength", "plates", "reflux") names the input in the
    // StudyError thrown for a malformed range; `integral` marks an input whose
    // values must be whole numbers. `unit` is the unit of a strength axis:
    // in % by volume its text or values are given by volume (and must lie
    // within 0..100) while its field texts are the % by weight the
    // calculation reads (see StrengthFieldText); other axes keep the default.
    static SweepAxis Parse(std::string name, const std::string& text, bool integral,
                           const FormatSettings& settings,
                           StrengthUnit unit = StrengthUnit::Weight);

    // A range given as numbers; `source` is how errors quote it. A range of
    // more than `most` values is refused (a sweep's limit unless a search
    // that tries only some of them says otherwise).
    static SweepAxis Range(std::string name, double from, double to, double step, bool integral,
                           const FormatSettings& settings, const std::string& source,
                           StrengthUnit unit = StrengthUnit::Weight,
                           std::uint64_t most = kMaxSweepRows);

    const std::string& Name() const { return name_; }
    std::uint64_t Count() const { return count_; }
    bool IsRange() const { return isRange_; }

    // The field text of value `index` (0 <= index < Count()).
    std::string TextAt(std::uint64_t index) const;

    // Value `index` as given, in the axis' unit: the single text as typed, or
    // the generated value written as a field text would be. The same as
    // TextAt unless the axis is in % by volume.
    std::string GivenTextAt(std::uint64_t index) const;

  private:
    SweepAxis() = default;
    void SetExactDecimals();

    std::optional<ScaledDecimal> ExactValueAt(std::uint64_t index) const;
    double ValueAt(std::uint64_t index) const;

    std::string name_;
    std::string fixedText_;       // the single text, when not a range
    std::string fixedFieldText_;  // its field text
    bool isRange_ = false;
    bool integral_ = false;
    double from_ = 0;
    double step_ = 0;
    // The range in exact decimals, when FROM and STEP have short ones:
    // value i == (fromUnits_ + i * stepUnits_) / 10^decimals_. Absent for
    // ranges whose values would not stay within 2^53 units.
    std::optional<ScaledDecimal> fromUnits_;
    std::int64_t stepUnits_ = 0;
    std::uint64_t count_ = 1;
    StrengthUnit unit_ = StrengthUnit::Weight;
    FormatSettings settings_;
};

}  // namespace colmara

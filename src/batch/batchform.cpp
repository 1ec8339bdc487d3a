#include "batch/batchform.h"

#include <optional>

#include "batch/batchlimits.h"
#include "runtime/typedtext.h"
#include "study/studyerror.h"

namespace colmara {

namespace {

using Text = std::string BatchTexts::*;

class Reader {
  public:
    Reader(const BatchTexts& texts, const FormatSettings& settings, const BatchNaming& naming)
        : texts_(texts), settings_(settings), naming_(naming) {}

    double Number(Text text) const {
        const std::string& typed = texts_.*text;
        const DecimalNumber number = ReadDecimal(WithDecimalPoint(typed, settings_));
        if (number.kind == DecimalNumber::Kind::Finite) return number.value;
        if (Trimmed(typed).empty()) Refuse(text, "no number given");
        if (number.kind == DecimalNumber::Kind::OutOfRange)
            Refuse(text, Trimmed(typed) + " is out of range");
        Refuse(text, "'" + typed + "' is not a number");
    }

    std::optional<double> Stop(Text text) const {
        if (NoStop(texts_.*text)) return std::nullopt;
        return Number(text);
    }

    // The index of the text among `choices` (two of them).
    std::size_t Choice(Text text, std::initializer_list<const char*> choices) const {
        const std::string typed = Trimmed(texts_.*text);
        std::size_t index = 0;
        for (const char* choice : choices) {
            if (typed == choice) return index;
            ++index;
        }
        Refuse(text, "'" + texts_.*text + "' is not " + *choices.begin() + " or " +
                         *(choices.begin() + 1));
    }

    // The texts' own cuts, or heads, hearts and tails.
    std::vector<BatchCut> Cuts() const {
        std::vector<BatchCut> cuts;
        for (const std::string& item : CutItems(texts_.cuts))
            cuts.push_back(Named(&BatchTexts::cuts, [&] { return ParseCut(Decimal(item)); }));
        if (!cuts.empty()) return cuts;
        const Amount heads =
            Named(&BatchTexts::heads, [&] { return ParseAmount(Decimal(texts_.heads)); });
        const double heartsUntil = Number(&BatchTexts::heartsUntil);
        Named(&BatchTexts::heartsUntil, [&] {
            CheckCutCondition({CutEnd::ProductBelow, {}, heartsUntil});
        });
        return DefaultCuts(heads, heartsUntil);
    }

    std::optional<Amount> StopAmount() const {
        if (NoStop(texts_.stopAmount)) return std::nullopt;
        return Named(&BatchTexts::stopAmount,
                     [&] { return ParseAmount(Decimal(texts_.stopAmount)); });
    }

  private:
    std::string Decimal(const std::string& typed) const {
        return WithDecimalPoint(typed, settings_);
    }

    // What `read` gives, its refusal put after the text's name.
    template <class Read>
    auto Named(Text text, Read read) const -> decltype(read()) {
        try {
            return read();
        } catch (const StudyError& e) {
            Refuse(text, e.Message());
        }
    }

    [[noreturn]] void Refuse(Text text, const std::string& why) const {
        throw StudyError(naming_(BatchTextKeyOf(text)) + ": " + why);
    }

    const BatchTexts& texts_;
    const FormatSettings& settings_;
    const BatchNaming& naming_;
};

}  // namespace

BatchRequest BatchRequestOf(const BatchTexts& texts, const InputTexts& typed, StrengthUnit unit,
                            const FormatSettings& settings, const BatchNaming& naming) {
    const Reader read(texts, settings, naming);
    BatchRequest request;
    request.charge = read.Number(&BatchTexts::charge);
    request.chargeUnit = read.Choice(&BatchTexts::chargeUnit, {"ml", "g"}) == 1
                             ? ChargeUnit::Grams
                             : ChargeUnit::Millilitres;
    request.inputs = typed;
    request.unit = unit;
    request.policy = read.Choice(&BatchTexts::policy, {"reflux", "strength"}) == 1
                         ? BatchPolicy::Strength
                         : BatchPolicy::Reflux;
    // The other policy's texts are not read: the tab greys them.
    if (request.policy == BatchPolicy::Strength) {
        request.targetStrength = read.Number(&BatchTexts::targetStrength);
        request.maxReflux = read.Number(&BatchTexts::maxReflux);
    }
    request.startCelsius = read.Number(&BatchTexts::startTemperature);
    request.cuts = read.Cuts();
    request.stops.boilerBelow = read.Stop(&BatchTexts::stopBoiler);
    request.stops.productBelow = read.Stop(&BatchTexts::stopProduct);
    request.stops.collected = read.StopAmount();
    request.stops.afterMinutes = read.Stop(&BatchTexts::stopAfter);
    request.everyMinutes = read.Number(&BatchTexts::every);
    ValidateBatchRequest(request, naming, settings);
    request.naming = naming;
    return request;
}

}  // namespace colmara

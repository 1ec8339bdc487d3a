#include "batch/batchform.h"

#include <optional>

#include "batch/batchlimits.h"
#include "boiling/boilingerror.h"
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

    // The product stop's text: a strength, or a head temperature (">95C").
    void StopProduct(BatchStops& stops) const {
        const std::optional<double> celsius = Named(&BatchTexts::stopProduct, [&] {
            return HeadCelsiusOf(Trimmed(Decimal(texts_.stopProduct)));
        });
        if (celsius)
            stops.headAbove = celsius;
        else
            stops.productBelow = Stop(&BatchTexts::stopProduct);
    }

    // The air pressure typed, or worked out from the altitude typed; 1 atm
    // when neither is.
    long double PressureHpa() const {
        const bool hpa = !Trimmed(texts_.pressure).empty();
        const bool metres = !Trimmed(texts_.altitude).empty();
        if (hpa && metres)
            Refuse(&BatchTexts::altitude, "give the air pressure or the altitude, not both");
        const Text text = hpa ? &BatchTexts::pressure : &BatchTexts::altitude;
        try {
            if (hpa) return CheckedPressure(Number(text));
            if (metres) return PressureAtAltitude(Number(text));
        } catch (const BoilingError& e) {
            // The message names the input as "pressure: " or "altitude: ".
            const std::string& message = e.Message();
            Refuse(text, message.substr(message.find(": ") + 2));
        }
        return kStandardHpa;
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
    request.pressureHpa = read.PressureHpa();
    request.cuts = read.Cuts();
    request.stops.boilerBelow = read.Stop(&BatchTexts::stopBoiler);
    read.StopProduct(request.stops);
    request.stops.collected = read.StopAmount();
    request.stops.afterMinutes = read.Stop(&BatchTexts::stopAfter);
    request.everyMinutes = read.Number(&BatchTexts::every);
    ValidateBatchRequest(request, naming, settings);
    request.naming = naming;
    return request;
}

}  // namespace colmara

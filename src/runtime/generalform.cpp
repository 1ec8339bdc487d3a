#include "runtime/generalform.h"

#include "runtime/decimalform.h"

namespace colmara {

void AppendGeneralForm(std::string& out, long double value, const FormatSettings& settings) {
    const DecimalForm form = MakeDecimalForm(value, 15, 9999);
    if (form.IsNaN()) {
        out += "NAN";
        return;
    }
    if (form.IsInfinity()) {
        out += form.negative ? "-INF" : "INF";
        return;
    }
    const std::string_view digits = form.Digits();
    if (digits.empty()) {
        out += '0';
        return;
    }
    if (form.negative) out += '-';
    const int exponent = form.exponent;
    if (exponent >= -3 && exponent <= 15) {
        if (exponent > 0) {
            // 123.45 has exponent 3: three integer digits, then the rest.
            const std::size_t integerDigits = static_cast<std::size_t>(exponent);
            out += digits.substr(0, integerDigits);
            if (digits.size() < integerDigits) out.append(integerDigits - digits.size(), '0');
            if (digits.size() > integerDigits) {
                out += settings.decimalSeparator;
                out += digits.substr(integerDigits);
            }
        } else {
            // 0.0001 has exponent -3: "0", the separator, three zeros, "1".
            out += '0';
            out += settings.decimalSeparator;
            out.append(static_cast<std::size_t>(-exponent), '0');
            out += digits;
        }
        return;
    }
    out += digits[0];
    if (digits.size() > 1) {
        out += settings.decimalSeparator;
        out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent - 1);
}

}  // namespace colmara

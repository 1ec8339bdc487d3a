#include "batch/batchrecords.h"

namespace colmara {

namespace {

Cell Text(const char* key, const std::optional<std::string>& text) {
    return Cell{key, text, false};
}

Cell Number(const char* key, std::optional<long double> value) {
    return Cell{key, NumberText(value), true};
}

Record ResidueRecord(const Collected& residue) {
    return {Number("mass_g", residue.mass), Number("strength", residue.Strength()),
            Number("strength_vol", residue.StrengthVolume())};
}

template <typename Item, typename MakeRecord>
std::string JsonArray(const std::vector<Item>& items, MakeRecord make) {
    std::string array = "[";
    for (const Item& item : items) {
        if (array.size() > 1) array += ',';
        array += JsonObject(make(item));
    }
    return array + ']';
}

}  // namespace

Record BatchRowRecord(const BatchRow& row, StrengthUnit unit) {
    const bool byVolume = unit == StrengthUnit::Volume;
    Record record{Number("time_min", row.minute), Text("power", row.inputs.power)};
    if (byVolume)
        record.push_back(
            Number("strength_vol", StrengthIn(StrengthUnit::Volume, row.boilerPercent)));
    record.insert(record.end(),
                  {Text("strength", row.inputs.strength), Text("plates", row.inputs.plates),
                   Text("reflux", row.inputs.reflux), Number("boiler_mass", row.boilerMass),
                   Number("boiler_temperature", row.boilerTemperature),
                   Number(byVolume ? "product_strength_vol" : "product_strength",
                          row.result.ProductStrength(unit)),
                   Number("product_amount", row.result.productAmount),
                   Number("collected", row.collected), Text("cut", row.cut)});
    return record;
}

Record CutRecord(const CutResult& cut) {
    return {Text("name", cut.name),
            Number("start_min", cut.startMinute),
            Number("end_min", cut.endMinute),
            Number("mass_g", cut.product.mass),
            Number("volume_ml", cut.product.Volume()),
            Number("strength", cut.product.Strength()),
            Number("strength_vol", cut.product.StrengthVolume()),
            Number("ethanol_g", cut.product.ethanol)};
}

std::string BatchCsv(const BatchResult& result, StrengthUnit unit, bool cuts) {
    std::string csv = cuts ? CsvHeader(CutRecord({})) : CsvHeader(BatchRowRecord({}, unit));
    if (cuts)
        for (const CutResult& cut : result.cuts) csv += CsvLine(CutRecord(cut));
    else
        for (const BatchRow& row : result.timeline) csv += CsvLine(BatchRowRecord(row, unit));
    return csv;
}

std::string BatchJson(const BatchResult& result, StrengthUnit unit) {
    const Record totals{Number("heat_up_min", result.heatUpMinutes),
                        Number("run_min", result.runMinutes),
                        Number("energy_kwh", result.energyKwh), Text("stop", result.stop)};
    std::string json = JsonObject(totals);
    json.pop_back();  // the closing brace: the arrays follow
    json += ",\"cuts\":" + JsonArray(result.cuts, CutRecord);
    json += ",\"residue\":" + JsonObject(ResidueRecord(result.residue));
    json += ",\"timeline\":" + JsonArray(result.timeline, [unit](const BatchRow& row) {
                return BatchRowRecord(row, unit);
            });
    return json + "}\n";
}

}  // namespace colmara

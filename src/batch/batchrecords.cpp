#include "batch/batchrecords.h"

namespace colmara {

namespace {

Record ResidueRecord(const Collected& residue) {
    return {NumberCell("mass_g", residue.mass), NumberCell("strength", residue.Strength()),
            NumberCell("strength_vol", residue.StrengthVolume())};
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
    Record record{NumberCell("time_min", row.minute), TextCell("power", row.inputs.power)};
    // In another unit than weight the boiler's strength in it comes first.
    if (unit != StrengthUnit::Weight)
        record.push_back(
            NumberCell(StrengthKey("strength", unit), StrengthIn(unit, row.boilerPercent)));
    record.insert(
        record.end(),
        {TextCell("strength", row.inputs.strength), TextCell("plates", row.inputs.plates),
         TextCell("reflux", row.inputs.reflux), NumberCell("boiler_mass", row.boilerMass),
         NumberCell("boiler_temperature", row.boilerTemperature),
         NumberCell(StrengthKey("product_strength", unit), row.result.ProductStrength(unit)),
         NumberCell("product_amount", row.result.productAmount),
         NumberCell("collected", row.collected), TextCell("cut", row.cut),
         NumberCell("head_temperature", row.headTemperature)});
    return record;
}

Record CutRecord(const CutResult& cut) {
    return {TextCell("name", cut.name),
            NumberCell("start_min", cut.startMinute),
            NumberCell("end_min", cut.endMinute),
            NumberCell("mass_g", cut.product.mass),
            NumberCell("volume_ml", cut.product.Volume()),
            NumberCell("strength", cut.product.Strength()),
            NumberCell("strength_vol", cut.product.StrengthVolume()),
            NumberCell("ethanol_g", cut.product.ethanol)};
}

std::string BatchCsv(const BatchResult& result, StrengthUnit unit, bool cuts) {
    std::string csv = cuts ? CsvHeader(CutRecord({})) : CsvHeader(BatchRowRecord({}, unit));
    if (cuts)
        for (const CutResult& cut : result.cuts) csv += CsvLine(CutRecord(cut));
    else
        for (const BatchRow& row : result.timeline) csv += CsvLine(BatchRowRecord(row, unit));
    return csv;
}

Record PairedReadingRecord(const PairedReading& pair) {
    return {NumberCell("time_min", pair.point.minute),
            TextCell("reading", LogReadingKey(pair.point.reading)),
            NumberCell("value", pair.point.value), NumberCell("model", pair.model)};
}

std::string BatchJson(const BatchResult& result, StrengthUnit unit,
                      const std::vector<PairedReading>* log) {
    const Record totals{
        NumberCell("heat_up_min", result.heatUpMinutes), NumberCell("run_min", result.runMinutes),
        NumberCell("energy_kwh", result.energyKwh), TextCell("stop", BatchEndText(result.stop))};
    std::string json = JsonObject(totals);
    json.pop_back();  // the closing brace: the arrays follow
    json += ",\"cuts\":" + JsonArray(result.cuts, CutRecord);
    json += ",\"residue\":" + JsonObject(ResidueRecord(result.residue));
    json += ",\"timeline\":" + JsonArray(result.timeline, [unit](const BatchRow& row) {
                return BatchRowRecord(row, unit);
            });
    if (log) json += ",\"log\":" + JsonArray(*log, PairedReadingRecord);
    return json + "}\n";
}

}  // namespace colmara

#include "ui/reportexport.h"

#include <QListWidget>

#include "runtime/exceptions.h"
#include "study/plateprofile.h"
#include "study/records.h"

namespace colmara {

QString ListText(const QListWidget& list) {
    QString text;
    for (int i = 0; i < list.count(); ++i) text += list.item(i)->text() + QLatin1Char('\n');
    return text;
}

QByteArray ReportFileBytes(const QListWidget& report, const QListWidget& summary) {
    return (ListText(report) + QLatin1Char('\n') + ListText(summary)).toUtf8();
}

QByteArray PlateTableCsv(const InputTexts& inputs, const FormatSettings& settings) {
    const CaseProfile profile = ProfileCase(inputs, settings);
    if (!profile.result.Solved()) throw Exception(*profile.result.error);
    return QByteArray::fromStdString(
        TableText(PlateRecord(PlateRow{}), PlateRecords(profile.plates), TableFormat::Csv));
}

}  // namespace colmara

// The main window's results taken out of it: a list's lines as text, the
// report file and the plate table.
#pragma once

#include <QByteArray>
#include <QString>

#include "report/calculate.h"
#include "runtime/numconv.h"

class QListWidget;

namespace colmara {

// The list's lines from the top, each ended by a line feed.
QString ListText(const QListWidget& list);

// The report file: the report lines from the top (condenser first), an empty
// line, then the summary lines, each ended by a line feed, in UTF-8, so that
// the file reads as the window shows its two lists.
QByteArray ReportFileBytes(const QListWidget& report, const QListWidget& summary);

// The plate table of `inputs` as CSV, byte for byte what the companion tool's
// profile writes for the same texts (strengths by weight). Throws Exception
// with the calculation's message when the case does not solve.
QByteArray PlateTableCsv(const InputTexts& inputs, const FormatSettings& settings);

}  // namespace colmara

#include "ui/tools/mycolumnform.h"

#include "toolsview/platesanswers.h"

namespace colmara {

MyColumnForm::MyColumnForm(const FormatSettings& settings, QWidget* parent)
    : ConditionsForm(settings, parent) {
    AnswerOnWorker();
    const QString readingUnitTip =
        QStringLiteral("°C for a thermometer's reading, or the unit of a strength");
    boiler = AddFieldWithChoices(
        QStringLiteral("Boiler r&eading"), QStringLiteral("Boiler reading"),
        QStringLiteral("The boiler's thermometer or the strength in the boiler; its unit to the "
                       "right"),
        QStringLiteral("92.5"), kReadingUnits, QStringLiteral("Boiler reading unit"),
        readingUnitTip, boilerUnit);
    head = AddFieldWithChoices(
        QStringLiteral("He&ad reading"), QStringLiteral("Head reading"),
        QStringLiteral("The head's thermometer or the strength of the vapour there; its unit to "
                       "the right"),
        QStringLiteral("78.6"), kReadingUnits, QStringLiteral("Head reading unit"), readingUnitTip,
        headUnit);
    totalReflux = new QCheckBox(QStringLiteral("&Total reflux (no product taken)"), this);
    totalReflux->setChecked(true);
    AddRow(QString(), totalReflux, QStringLiteral("Total reflux"),
           QStringLiteral("No product taken, each plate's liquid the vapour from below: no power "
                          "or reflux needed"));
    power = AddField(QStringLiteral("&Power, W"), QStringLiteral("Power"),
                     QStringLiteral("Heating power of the still in watts, while product is taken"),
                     QStringLiteral("1500"));
    reflux = AddField(QStringLiteral("&Reflux ratio"), QStringLiteral("Reflux ratio"),
                      QStringLiteral("Reflux returned per part of product"), QStringLiteral("3"));
    AddConditionRows();
    height = AddField(QStringLiteral("Packed hei&ght, m"), QStringLiteral("Packed height"),
                      QStringLiteral("Height of the column's packing in m: adds the HETP; "
                                     "empty: none"),
                      QString());
    realPlates = AddField(QStringLiteral("&Number of real plates"), QStringLiteral("Real plates"),
                          QStringLiteral("Real plates (trays, bubble caps): adds the overall "
                                         "efficiency; empty: none"),
                          QString());
    FinishLayout();
    connect(totalReflux, &QCheckBox::toggled, this, &MyColumnForm::TotalRefluxChosen);
    TotalRefluxChosen();
}

void MyColumnForm::TotalRefluxChosen() {
    power->setEnabled(!totalReflux->isChecked());
    reflux->setEnabled(!totalReflux->isChecked());
    Answer();
}

AnswerJob MyColumnForm::Job() const {
    PlatesTexts texts{{Text(boiler), UnitOf<ReadingUnit>(boilerUnit)},
                      {Text(head), UnitOf<ReadingUnit>(headUnit)},
                      std::nullopt,
                      std::nullopt,
                      Pressure(),
                      Thermometer(),
                      Optional(height),
                      Optional(realPlates)};
    if (!totalReflux->isChecked()) {
        texts.power = Text(power);
        texts.reflux = Text(reflux);
    }
    return [texts](const NumberReader& read) { return PlatesAnswer(texts, read); };
}

}  // namespace colmara

// The main window's controls: names, positions, texts, initial states, hints
// and tab order.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <limits>

#include "ui/chart/chartwidget.h"
#include "ui/checkboxstyle.h"
#include "ui/clickablelabel.h"
#include "ui/enterpress.h"
#include "ui/fixedrowdelegate.h"
#include "ui/fonts.h"
#include "ui/form1.h"

namespace colmara {

namespace {

constexpr int kReportRowHeight = 13;

template <typename Control>
Control* Place(Control* control, const char* name, const QRect& rect) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(rect);
    return control;
}

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    return Place(control, name, QRect(left, top, width, height));
}

// Labels size themselves to their text.
QLabel* PlaceLabel(QWidget* parent, const char* name, int left, int top, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* PlaceEdit(QWidget* parent, const char* name, int left, int top, int width,
                     const QString& text) {
    auto* edit = Place(new QLineEdit(text, parent), name, left, top, width, 21);
    // A field keeps any text it is given, pasted or typed, however long.
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, int left, int top,
                         const QString& text) {
    auto* button = Place(new QPushButton(text, parent), name, left, top, 75, 25);
    // Neither Enter nor Escape in a field presses a button; Enter on the
    // button itself does.
    button->setAutoDefault(false);
    button->setDefault(false);
    PressOnEnter(*button);
    return button;
}

QCheckBox* PlaceCheckBox(QWidget* parent, const char* name, int top, int width,
                         const QString& text) {
    auto* box = Place(new QCheckBox(text, parent), name, 8, top, width, 17);
    UseCheckBoxLabelSpacing(box);
    box->setChecked(true);
    return box;
}

QListWidget* PlaceList(QWidget* parent, const char* name, int left, int top, int width,
                       int height) {
    auto* list = Place(new QListWidget(parent), name, left, top, width, height);
    list->setItemDelegate(new FixedRowDelegate(kReportRowHeight, list));
    list->setUniformItemSizes(true);
    // A line wider than the list is cut at its edge, not shortened with "...",
    // and no horizontal scroll bar takes the room of a row.
    list->setTextElideMode(Qt::ElideNone);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

}  // namespace

void TForm1::CreateControls() {
    GroupBox1 =
        Place(new QGroupBox(QStringLiteral("Data needed:"), this), "GroupBox1", -1, 8, 129, 257);
    Label1 = PlaceLabel(GroupBox1, "Label1", 16, 24, QStringLiteral("Power"));
    Edit1 = PlaceEdit(GroupBox1, "Edit1", 16, 40, 41, QStringLiteral("1000"));
    Label7 = PlaceLabel(GroupBox1, "Label7", 59, 44, QStringLiteral("W"));
    Label3 = PlaceLabel(GroupBox1, "Label3", 17, 68, QStringLiteral("Strength in  boiler"));
    Edit2 = PlaceEdit(GroupBox1, "Edit2", 16, 83, 25, QStringLiteral("1"));
    Label6 = PlaceLabel(GroupBox1, "Label6", 47, 86, QStringLiteral("% (weight)"));
    Label4 = PlaceLabel(GroupBox1, "Label4", 16, 110, QStringLiteral("Number of plates"));
    Edit3 = PlaceEdit(GroupBox1, "Edit3", 16, 130, 25, QStringLiteral("20"));
    Label2 = PlaceLabel(GroupBox1, "Label2", 16, 158, QStringLiteral("Reflux Ratio"));
    Edit4 = PlaceEdit(GroupBox1, "Edit4", 16, 178, 41, QStringLiteral("15"));
    Button1 = PlaceButton(GroupBox1, "Button1", 24, 216, QStringLiteral("Calculate"));

    GroupBox2 = Place(new QGroupBox(QStringLiteral("Information from still"), this), "GroupBox2", 0,
                      264, 129, 81);
    ListBox2 = PlaceList(GroupBox2, "ListBox2", 8, 16, 113, 41);

    GroupBox3 = Place(new QGroupBox(QStringLiteral("Information showed in window"), this),
                      "GroupBox3", 128, 8, 161, 105);
    CheckBox6 =
        PlaceCheckBox(GroupBox3, "CheckBox6", 16, 129, QStringLiteral("vapour leaving plate"));
    CheckBox7 =
        PlaceCheckBox(GroupBox3, "CheckBox7", 32, 121, QStringLiteral("reflux leaving plate"));
    CheckBox8 = PlaceCheckBox(GroupBox3, "CheckBox8", 48, 97, QStringLiteral("Strength vapour"));
    CheckBox9 = PlaceCheckBox(GroupBox3, "CheckBox9", 64, 97, QStringLiteral("strength liquid"));
    CheckBox10 = PlaceCheckBox(GroupBox3, "CheckBox10", 80, 97, QStringLiteral("Temperature"));

    Label5 = PlaceLabel(this, "Label5", 128, 128, QStringLiteral("Result:"));
    ListBox1 = PlaceList(this, "ListBox1", 128, 144, 209, 305);
    Chart1 = Place(new ChartWidget(this), "Chart1", ChartWidget::DefaultGeometry());

    Label8 = Place(new ClickableLabel(QStringLiteral("Colmara 2004-01-20 BETA "), this), "Label8",
                   8, 464, 167, 15);
    Label8->setFont(VersionLabelFont());
    Button4 = PlaceButton(this, "Button4", 256, 464, QStringLiteral("INFO"));
    Button2 = PlaceButton(this, "Button2", 24, 424, QStringLiteral("Button2"));
    Button2->hide();
    Button3 = PlaceButton(this, "Button3", 24, 392, QStringLiteral("Button3"));
    Button3->hide();
}

void TForm1::AddHints() {
    hints_.Add(Edit1, QStringLiteral("The power the still uses, heat loss is neglegted"));
    hints_.Add(Edit2, QStringLiteral("Masspercentage of alcohol in the boiler"));
    hints_.Add(Edit3, QStringLiteral(
                          "Enter the number of physical (or theoretical bottoms the still have)"));
    hints_.Add(Edit4, QStringLiteral("Reflux ratio (0-infinity)"));
    hints_.Add(GroupBox2, QStringLiteral("This value shows how much of the alcohol that leave the "
                                         "boiler per hour"));
    hints_.Add(ListBox2, QStringLiteral("How much alcohol from the boiler\r"
                                        "do you actually get in the product\r"
                                        "at this reflux ratio."));
}

void TForm1::SetTabOrder() {
    QWidget* const order[] = {Edit1,     Edit2,      Edit3,     Edit4,     Button1,
                              ListBox1,  ListBox2,   CheckBox6, CheckBox7, CheckBox8,
                              CheckBox9, CheckBox10, Button4};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

}  // namespace colmara

#include "app/dialogs/soft_limit.h"

#include "app/dialogs/dialog_layout.h"
#include "app/dialogs/dialog_texts.h"
#include "base/number_format.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace trazor {

namespace {

    QString DoubleField(double value) { return QString::fromStdString(DecimalText(value)); }

    // A double limit's text carries 15 significant digits, a single one's 7: -0.1 in single
    // precision shows as "-0.1", not as the 17 digits of its double value.
    QString SingleField(float value) { return QString::fromStdString(SingleText(value)); }

    double FieldNumber(const QLineEdit* field) { return NumericValue(field->text().toStdU16String()); }

    // A number beyond the single range becomes the infinity of its sign, the value a single
    // overflows to; a plain cast of such a number would be undefined.
    float ToSingle(double value)
    {
        constexpr float infinity = std::numeric_limits<float>::infinity();
        if (std::fabs(value) > std::numeric_limits<float>::max())
            return value > 0 ? infinity : -infinity;
        return static_cast<float>(value);
    }

    QGroupBox* LimitGroup(std::string_view title, QLineEdit* x, QLineEdit* z)
    {
        auto* group = new QGroupBox(DialogText(title));
        auto* form = new QFormLayout(group);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        form->addRow(DialogText(trazor_texts::AxisX), x);
        form->addRow(DialogText(trazor_texts::AxisZ), z);
        return group;
    }

} // namespace

SoftLimit::SoftLimit(
    double limitPlusX, double limitPlusZ, double limitMinusX, float limitMinusZ, QWidget* parent)
    : SoftLimit(SoftLimitValues { limitPlusX, limitPlusZ, limitMinusX, limitMinusZ }, parent)
{
}

SoftLimit::SoftLimit(const SoftLimitValues& limits, QWidget* parent)
    : QDialog(parent)
    , limits_(limits)
{
    setObjectName("SoftLimit");
    setWindowTitle(DialogText(trazor_texts::SoftLimitCaption));

    tPVLX_ = makeField("tPVLX", DoubleField(limits.LimitPlusX));
    tPVLZ_ = makeField("tPVLZ", DoubleField(limits.LimitPlusZ));
    tNVLX_ = makeField("tNVLX", DoubleField(limits.LimitMinusX));
    tNVLZ_ = makeField("tNVLZ", SingleField(limits.LimitMinusZ));

    auto* groups = new QHBoxLayout;
    groups->addWidget(LimitGroup(trazor_texts::PlusLimitGroup, tPVLX_, tPVLZ_));
    groups->addWidget(LimitGroup(trazor_texts::MinusLimitGroup, tNVLX_, tNVLZ_));

    QPushButton* ok = MakeDialogButton(this, "Command1", trazor_texts::SoftLimitOk);
    QPushButton* cancel = MakeDialogButton(this, "Command2", trazor_texts::Cancel);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SoftLimit::Command1_Click);
    connect(cancel, &QPushButton::clicked, this, &SoftLimit::Command2_Click);

    auto* layout = new QVBoxLayout;
    layout->addLayout(groups);
    layout->addSpacing(6);
    layout->addLayout(DialogButtonRow({ ok, cancel }));
    SetFixedDialogLayout(*this, layout);
    tPVLX_->setFocus();
}

QLineEdit* SoftLimit::makeField(const char* objectName, const QString& text)
{
    auto* field = new QLineEdit(text, this);
    field->setObjectName(objectName);
    // Room for a limit such as "-1234.567" and some more.
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-00000.0000")) + 12);
    return field;
}

void SoftLimit::Command1_Click()
{
    limits_.LimitPlusX = FieldNumber(tPVLX_);
    limits_.LimitPlusZ = FieldNumber(tPVLZ_);
    limits_.LimitMinusX = FieldNumber(tNVLX_);
    limits_.LimitMinusZ = ToSingle(FieldNumber(tNVLZ_));
    accept();
}

void SoftLimit::Command2_Click() { reject(); }

} // namespace trazor

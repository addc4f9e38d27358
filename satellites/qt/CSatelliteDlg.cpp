#include "satellites/qt/CSatelliteDlg.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <vector>

#include "database/NameLists.h"
#include "satellites/qt/DialogBinding.h"

namespace velmora {

using namespace satellite_ui;

CSatelliteDlg::CSatelliteDlg(SatelliteForm& form, Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(prompter) {
    setWindowTitle(tr("Satellite Parameters"));
    SetTemplateId(this, kSatelliteDialogId);

    std::vector<std::string_view> lnb_rows;
    for (const LnbType& lnb : kLnbTypes) lnb_rows.push_back(lnb.text);

    name_ = MakeEdit(this, kSatNameEdit);
    name_->setMaxLength(kMaxSatelliteNameLength);
    angle_ = MakeEdit(this, kSatAngleEdit);
    direction_ = MakeNameList(this, kSatDirectionList, kDirectionNames, "satellites");
    transponder_ = MakeList(this, kSatTransponderList, form.transponder_rows);
    transponder_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    transponder_->setMaxVisibleItems(16);
    lnb_type_ = MakeNameList(this, kSatLnbTypeList, lnb_rows, "satellites");
    tone_22k_ = MakeNameList(this, kSat22kList, kToneNames, "satellites");
    power_12v_ = MakeNameList(this, kSat12vList, kPowerNames, "satellites");
    motor_ = MakeNameList(this, kSatMotorList, kMotorNames, "satellites");
    diseqc_ = MakeNameList(this, kSatDiseqcList, kDiseqcNames, "database");

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    auto add = [&](int row, int column, const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
    };
    // The dish and its position on the left, the LNB and its switching on the right.
    add(0, 0, tr("Satellite Name"), name_);
    add(1, 0, tr("Satellite Angle"), angle_);
    add(2, 0, tr("Satellite direction"), direction_);
    add(3, 0, tr("Motor"), motor_);
    add(0, 3, tr("LNB Type"), lnb_type_);
    add(1, 3, tr("22KHz"), tone_22k_);
    add(2, 3, tr("0/12V"), power_12v_);
    add(3, 3, tr("DiSEqC"), diseqc_);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 4, 0, 1, 5);
    auto* transponder_label = new QLabel(tr("Transponder"), this);
    transponder_label->setBuddy(transponder_);
    grid->addWidget(transponder_label, 5, 0);
    grid->addWidget(transponder_, 5, 1, 1, 4);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(MakeOkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes down the left column, then the right one, then to the transponder.
    SetTabChain({name_, angle_, direction_, motor_, lnb_type_, tone_22k_, power_12v_, diseqc_,
                 transponder_, FindControl(this, kOkControl), FindControl(this, kCancelControl)});

    name_->setText(TextOfBytes(form.name));
    angle_->setText(TextOfBytes(form.angle));
    SelectRow(direction_, form.direction);
    SelectRow(transponder_, form.transponder);
    SelectRow(lnb_type_, form.lnb_type);
    SelectRow(tone_22k_, form.tone_22k);
    SelectRow(power_12v_, form.power_12v);
    SelectRow(motor_, form.motor);
    SelectRow(diseqc_, form.diseqc);
    name_->setFocus();
}

void CSatelliteDlg::accept() {
    form_.name = BytesOfText(name_->text());
    form_.angle = BytesOfText(angle_->text());
    form_.direction = direction_->currentIndex();
    form_.transponder = transponder_->currentIndex();
    form_.lnb_type = lnb_type_->currentIndex();
    form_.tone_22k = tone_22k_->currentIndex();
    form_.power_12v = power_12v_->currentIndex();
    form_.motor = motor_->currentIndex();
    form_.diseqc = diseqc_->currentIndex();
    if (auto refusal = ValidateAndApply(form_, form_.record)) {
        ShowRefusal(this, prompter_, *refusal);
        return;
    }
    QDialog::accept();
}

}  // namespace velmora

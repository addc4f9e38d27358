#include "satellites/qt/CTransponderDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "database/NameLists.h"
#include "satellites/qt/DialogBinding.h"

namespace velmora {

using namespace satellite_ui;

CTransponderDlg::CTransponderDlg(TransponderForm& form, Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(prompter) {
    setWindowTitle(tr("Transponder Parameters"));
    SetTemplateId(this, kTransponderDialogId);

    frequency_ = MakeEdit(this, kTpFrequencyEdit);
    symbol_rate_ = MakeEdit(this, kTpSymbolRateEdit);
    polarisation_ = MakeList(this, kTpPolarisationList, kPolarisationNames);
    fec_ = MakeList(this, kTpFecList, kFecNames);
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("000000"));
    frequency_->setMinimumWidth(digits * 2);
    symbol_rate_->setMinimumWidth(digits * 2);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(2, 12);
    auto add = [&](int row, int column, const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
    };
    add(0, 0, tr("Frequency"), frequency_);
    add(1, 0, tr("Symbol rate"), symbol_rate_);
    add(0, 3, tr("Polarisation"), polarisation_);
    add(1, 3, tr("FEC"), fec_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(MakeOkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    frequency_->setText(TextOfBytes(form.frequency));
    symbol_rate_->setText(TextOfBytes(form.symbol_rate));
    SelectRow(polarisation_, form.polarisation);
    SelectRow(fec_, form.fec);
    frequency_->setFocus();
}

void CTransponderDlg::accept() {
    form_.frequency = BytesOfText(frequency_->text());
    form_.symbol_rate = BytesOfText(symbol_rate_->text());
    form_.polarisation = polarisation_->currentIndex();
    form_.fec = fec_->currentIndex();
    if (auto refusal = ValidateAndApply(form_, form_.record)) {
        ShowRefusal(this, prompter_, *refusal);
        return;
    }
    QDialog::accept();
}

}  // namespace velmora

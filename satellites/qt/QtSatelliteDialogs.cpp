#include "satellites/qt/QtSatelliteDialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "satellites/ModifiedTpList.h"
#include "satellites/qt/CModifyTPDlg.h"
#include "satellites/qt/CSatelliteDlg.h"
#include "satellites/qt/CTransponderDlg.h"
#include "satellites/qt/DialogBinding.h"

namespace velmora {

using namespace satellite_ui;

namespace {

// TODO(lead): replace with CMoveDlg (template 138) from the channel commands once merged;
// RunMove below is the only user. Same ids and checks: From 1000 (read-only), To 1001,
// "Please enter an integer." when To holds none, no range check.
class MoveTargetDialog : public QDialog {
public:
    MoveTargetDialog(int from, int to, Prompter& prompter, QWidget* parent)
        : QDialog(parent), prompter_(prompter) {
        setWindowTitle(QStringLiteral("Move"));
        setProperty("templateId", 138);
        from_ = MakeEdit(this, 1000);
        from_->setEnabled(false);
        from_->setText(QString::number(from));
        to_ = MakeEdit(this, 1001);
        to_->setText(QString::number(to));
        auto* grid = new QGridLayout;
        grid->addWidget(new QLabel(QStringLiteral("From"), this), 0, 0);
        grid->addWidget(from_, 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("To"), this), 1, 0);
        grid->addWidget(to_, 1, 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(grid);
        layout->addWidget(MakeOkCancel(this));
        layout->setSizeConstraint(QLayout::SetFixedSize);
        to_->setFocus();
        to_->selectAll();
    }

    int to() const { return to_value_; }

    void accept() override {
        const auto to = ParseIntegerField(ToBytes(to_->text()));
        if (!to) {
            ShowRefusal(this, prompter_, {1001, std::string(kNotAnIntegerMessage)});
            return;
        }
        to_value_ = static_cast<int>(*to);
        QDialog::accept();
    }

private:
    Prompter& prompter_;
    QLineEdit* from_;
    QLineEdit* to_;
    int to_value_ = 0;
};

}  // namespace

QtSatelliteDialogs::QtSatelliteDialogs(Prompter& prompter, QWidget* parent)
    : prompter_(prompter), parent_(parent) {}

QWidget* QtSatelliteDialogs::DialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent_;
}

bool QtSatelliteDialogs::RunSatellite(SatelliteForm& form) {
    CSatelliteDlg dialog(form, prompter_, DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

bool QtSatelliteDialogs::RunTransponder(TransponderForm& form) {
    CTransponderDlg dialog(form, prompter_, DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtSatelliteDialogs::RunModifyTransponders(ModifiedTpList& list) {
    CModifyTPDlg dialog(list, DialogParent());
    dialog.exec();
}

bool QtSatelliteDialogs::RunMove(int from, int& to) {
    MoveTargetDialog dialog(from, to, prompter_, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return false;
    to = dialog.to();
    return true;
}

}  // namespace velmora

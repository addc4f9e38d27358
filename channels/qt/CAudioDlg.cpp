#include "channels/qt/CAudioDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/NameLists.h"
#include "database/qt/DialogControls.h"

namespace velmora {

CAudioDlg::CAudioDlg(AudioForm& form, Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(form), prompter_(prompter) {
    setWindowTitle(tr("Audio Parameters"));
    SetTemplateId(this, kAudioDialogId);

    pid_ = new QLineEdit(QString::fromStdString(form.pid_text), this);
    SetControlId(pid_, kIdAudioPid);
    language_ = new QComboBox(this);
    SetControlId(language_, kIdAudioLanguage);
    for (std::string_view name : AudioLanguageNames)
        language_->addItem(QCoreApplication::translate("database", name.data()));
    language_->setMaxVisibleItems(16);
    const bool listed = form.language >= 0 && form.language < int(AudioLanguageNames.size());
    language_->setCurrentIndex(listed ? form.language : -1);
    default_ = new QCheckBox(tr("Default"), this);
    SetControlId(default_, kIdAudioDefault);
    default_->setChecked(form.is_default);

    auto* box = new QGroupBox(tr("Audio"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("Audio PID"), box), 0, 0);
    grid->addWidget(pid_, 0, 1);
    grid->addWidget(new QLabel(tr("Audio Language"), box), 1, 0);
    grid->addWidget(language_, 1, 1);
    grid->addWidget(default_, 2, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = MakeOkCancel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
    setMinimumWidth(260);
    pid_->setFocus();
    pid_->selectAll();
}

void CAudioDlg::accept() {
    form_.pid_text = pid_->text().toStdString();
    form_.language = language_->currentIndex();
    form_.is_default = default_->isChecked();
    if (auto failure = ValidateAndApply(form_, form_.entry))
        return ShowRefusal(this, prompter_, *failure);
    QDialog::accept();
}

}  // namespace velmora

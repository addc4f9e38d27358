#include "settings/qt/COtherSettingDlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "database/qt/DialogControls.h"
#include "database/qt/Latin1Text.h"
#include "settings/qt/CSpinButton.h"

namespace velmora {
namespace {

template <typename List>
void Fill(QComboBox* box, const List& names, int selection) {
    for (const auto& name : names) box->addItem(TextOfBytes(name));
    box->setCurrentIndex(selection);
}

// A table of fixed English names, shown translated from `context`.
template <typename List>
void FillNames(QComboBox* box, const List& names, int selection, const char* context) {
    for (std::string_view name : names)
        box->addItem(QCoreApplication::translate(context, std::string(name).c_str()));
    box->setCurrentIndex(selection);
}

}  // namespace

COtherSettingDlg::COtherSettingDlg(OtherSettingsForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(tr("Other Setting"));
    SetTemplateId(this, OtherSettingsForm::kTemplateId);

    // Filled and selected in the order the receiver's menu lists them.
    menu_language_ = AddList(OtherSettingsForm::kMenuLanguageControl);
    FillNames(menu_language_, kMenuLanguageNames, form_.menu_language, "settings");
    audio_language_ = AddList(OtherSettingsForm::kAudioLanguageControl);
    FillNames(audio_language_, AudioLanguageNames, form_.audio_language, "database");
    audio_language_->setMaxVisibleItems(16);

    rf_channel_ = WithId(new QLineEdit(TextOfBytes(form_.rf_channel_text), this),
                         OtherSettingsForm::kRfChannelControl);
    rf_channel_->setAlignment(Qt::AlignRight);
    rf_spin_ = WithId(new CSpinButton(this), OtherSettingsForm::kRfSpinControl);
    rf_spin_->SetBuddy(rf_channel_);

    rf_system_ = AddList(OtherSettingsForm::kRfSystemControl);
    Fill(rf_system_, kRfSystemNames, form_.rf_system);
    tv_system_ = AddList(OtherSettingsForm::kTvSystemControl);
    Fill(tv_system_, kTvSystemNames, form_.tv_system);
    screen_format_ = AddList(OtherSettingsForm::kScreenFormatControl);
    FillNames(screen_format_, kScreenFormatNames, form_.screen_format, "settings");
    menu_color_ = AddList(OtherSettingsForm::kMenuColorControl);
    FillNames(menu_color_, kMenuColorNames, form_.menu_color, "settings");
    transparency_ = AddList(OtherSettingsForm::kTransparencyControl);
    Fill(transparency_, TransparencyNames(), form_.transparency);
    time_offset_ = AddList(OtherSettingsForm::kTimeOffsetControl);
    Fill(time_offset_, TimeOffsetNames(), form_.time_offset);
    time_offset_->setMaxVisibleItems(kTimeOffsetCount);
    need_help_ = AddList(OtherSettingsForm::kNeedHelpControl);
    FillNames(need_help_, kNeedHelpNames, form_.need_help, "settings");

    auto* rf_channel_row = new QHBoxLayout;
    rf_channel_row->setSpacing(0);
    rf_channel_row->addWidget(rf_channel_, 1);
    rf_channel_row->addWidget(rf_spin_);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    auto add = [&](int row, int column, const QString& label, QWidget* field, QLayout* layout) {
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        grid->addWidget(text, row, column);
        if (layout) {
            grid->addLayout(layout, row, column + 1);
        } else {
            grid->addWidget(field, row, column + 1);
        }
    };
    add(0, 0, tr("Menu Language"), menu_language_, nullptr);
    add(1, 0, tr("Menu Color"), menu_color_, nullptr);
    add(2, 0, tr("Transparency"), transparency_, nullptr);
    add(3, 0, tr("Need Help"), need_help_, nullptr);
    add(4, 0, tr("Audio Language"), audio_language_, nullptr);
    add(0, 3, tr("RF System"), rf_system_, nullptr);
    add(1, 3, tr("RF Channel"), rf_channel_, rf_channel_row);
    add(2, 3, tr("TV System"), tv_system_, nullptr);
    add(3, 3, tr("TV Screen Format"), screen_format_, nullptr);
    add(4, 3, tr("Time Offset"), time_offset_, nullptr);
    // A thin rule between the two columns of settings.
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 0, 2, 5, 1, Qt::AlignHCenter);
    grid->setColumnMinimumWidth(2, 24);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addWidget(MakeOkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes down the left column, then down the right one.
    SetTabChain({menu_language_, menu_color_, transparency_, need_help_, audio_language_,
                 rf_system_, rf_channel_, rf_spin_, tv_system_, screen_format_, time_offset_,
                 FindControl(this, kOkControl), FindControl(this, kCancelControl)});

    // The spin button offers the range of the RF system shown from the start, and
    // follows every change of that system.
    UpdateSpinRange();
    connect(rf_system_, &QComboBox::currentIndexChanged, this, [this] { UpdateSpinRange(); });
}

QComboBox* COtherSettingDlg::AddList(int control) {
    auto* box = WithId(new QComboBox(this), control);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 20);
    return box;
}

void COtherSettingDlg::UpdateSpinRange() {
    form_.rf_system = rf_system_->currentIndex();
    const RfChannelRange range = form_.CurrentRfRange();
    rf_spin_->SetRange(range.low, range.high);
}

void COtherSettingDlg::accept() {
    form_.menu_language = menu_language_->currentIndex();
    form_.audio_language = audio_language_->currentIndex();
    form_.rf_channel_text = BytesOfText(rf_channel_->text());
    form_.rf_system = rf_system_->currentIndex();
    form_.tv_system = tv_system_->currentIndex();
    form_.screen_format = screen_format_->currentIndex();
    form_.menu_color = menu_color_->currentIndex();
    form_.transparency = transparency_->currentIndex();
    form_.time_offset = time_offset_->currentIndex();
    form_.need_help = need_help_->currentIndex();
    QDialog::accept();
}

}  // namespace velmora

#include "channels/qt/CChannelDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "database/qt/DialogControls.h"
#include "database/qt/Latin1Text.h"
#include "database/qt/NameField.h"

namespace velmora {
namespace {

QLineEdit* PidEdit(QWidget* parent, int id, const std::string& text) {
    auto* edit = new QLineEdit(QString::fromStdString(text), parent);
    SetControlId(edit, id);
    edit->setMaximumWidth(80);
    return edit;
}

// The label column of the left boxes, wide enough for "Transponder", the longest label,
// so that the fields of all three boxes line up.
void AlignLabelColumn(QGridLayout* grid, const QWidget* box) {
    const QString longest = QCoreApplication::translate("velmora::CChannelDlg", "Transponder");
    grid->setColumnMinimumWidth(0, box->fontMetrics().horizontalAdvance(longest) + 6);
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

CChannelDlg::CChannelDlg(ChannelForm& form, Prompter& prompter, ChannelDialogs& dialogs,
                         QWidget* parent)
    : QDialog(parent), form_(form), prompter_(prompter), dialogs_(dialogs) {
    setWindowTitle(tr("Channel Parameters"));
    SetTemplateId(this, kChannelDialogId);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildChannelBox());
    left->addWidget(BuildPidBox());
    left->addWidget(BuildReceptionBox());
    left->addWidget(BuildOptionsBox());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(BuildAudioBox(), 1);
    right->addWidget(BuildFavouriteBox());

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto* buttons = MakeOkCancel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    // Tab goes down the left column, then down the right one.
    SetTabChainById(
        this,
        {kIdChannelName,     kIdVideoPid,     kIdPcrPid,       kIdTtxPid,       kIdSatelliteList,
         kIdTransponderList, kIdLock,         kIdScramble,     kIdAudioPidList, kIdAudioAdd,
         kIdAudioEdit,       kIdAudioDelete,  kIdAudioMode[0], kIdAudioMode[1], kIdAudioMode[2],
         kIdFavourite[0],    kIdFavourite[1], kIdFavourite[2], kIdFavourite[3], kIdFavourite[4],
         kIdFavourite[5],    kIdFavourite[6], kIdFavourite[7], kOkControl,      kCancelControl});

    video_->setEnabled(form_.video_enabled());
    satellites_->setEnabled(form_.lists_enabled());
    transponders_->setEnabled(form_.lists_enabled());
    name_->setFocus();
}

QWidget* CChannelDlg::BuildChannelBox() {
    auto* box = new QGroupBox(tr("Channel"), this);
    number_ = new QLineEdit(QString::number(form_.number), box);
    SetControlId(number_, kIdChannelNumber);
    number_->setEnabled(false);
    number_->setMaximumWidth(64);

    name_ = new QLineEdit(TextOfBytes(form_.name), box);
    SetControlId(name_, kIdChannelName);
    name_->setMaxLength(kMaxNameLength);
    FilterNameAsTyped(name_);

    auto* grid = new QGridLayout(box);
    grid->addWidget(Label(tr("No."), number_, box), 0, 0);
    grid->addWidget(number_, 0, 1);
    grid->addWidget(Label(tr("Name"), name_, box), 1, 0);
    grid->addWidget(name_, 1, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    AlignLabelColumn(grid, box);
    return box;
}

QWidget* CChannelDlg::BuildPidBox() {
    auto* box = new QGroupBox(tr("PID"), this);
    pcr_ = PidEdit(box, kIdPcrPid, form_.pcr_pid);
    video_ = PidEdit(box, kIdVideoPid, form_.video_pid);
    ttx_ = PidEdit(box, kIdTtxPid, form_.ttx_pid);

    auto* grid = new QGridLayout(box);
    grid->addWidget(Label(tr("Video PID"), video_, box), 0, 0);
    grid->addWidget(video_, 0, 1);
    grid->addWidget(Label(tr("PCR PID"), pcr_, box), 0, 2);
    grid->addWidget(pcr_, 0, 3);
    grid->addWidget(Label(tr("TXT PID"), ttx_, box), 1, 0);
    grid->addWidget(ttx_, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    AlignLabelColumn(grid, box);
    return box;
}

QWidget* CChannelDlg::BuildReceptionBox() {
    auto* box = new QGroupBox(tr("Reception"), this);
    satellites_ = new QComboBox(box);
    SetControlId(satellites_, kIdSatelliteList);
    satellites_->setMaxVisibleItems(20);
    for (const std::string& row : form_.satellite_rows) satellites_->addItem(TextOfBytes(row));
    satellites_->setCurrentIndex(form_.satellite_row);
    connect(satellites_, &QComboBox::currentIndexChanged, this, &CChannelDlg::SatelliteChosen);

    transponders_ = new QComboBox(box);
    SetControlId(transponders_, kIdTransponderList);
    transponders_->setMaxVisibleItems(20);
    transponders_->setMinimumContentsLength(20);
    ShowTransponderRows();

    auto* grid = new QGridLayout(box);
    grid->addWidget(Label(tr("Satellite"), satellites_, box), 0, 0);
    grid->addWidget(satellites_, 0, 1);
    grid->addWidget(Label(tr("Transponder"), transponders_, box), 1, 0);
    grid->addWidget(transponders_, 1, 1);
    grid->setColumnStretch(1, 1);
    AlignLabelColumn(grid, box);
    return box;
}

QWidget* CChannelDlg::BuildAudioBox() {
    auto* box = new QGroupBox(tr("Audio PID"), this);
    audio_ = new QListWidget(box);
    SetControlId(audio_, kIdAudioPidList);
    audio_->setMinimumHeight(96);
    audio_->setMinimumWidth(200);
    // Fills what the left column leaves rather than asking for its own height.
    audio_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    ShowAudioRows(-1);

    auto* add = new QPushButton(tr("Add"), box);
    auto* edit = new QPushButton(tr("Edit"), box);
    auto* del = new QPushButton(tr("Del"), box);
    SetControlId(add, kIdAudioAdd);
    SetControlId(edit, kIdAudioEdit);
    SetControlId(del, kIdAudioDelete);
    for (QPushButton* b : {add, edit, del}) b->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &CChannelDlg::AddAudio);
    connect(edit, &QPushButton::clicked, this, &CChannelDlg::EditAudio);
    connect(del, &QPushButton::clicked, this, &CChannelDlg::DeleteAudio);
    audio_->installEventFilter(this);  // Delete in the list is "Del"
    audio_delete_ = del;

    audio_mode_ = new QButtonGroup(box);
    auto* modes = new QHBoxLayout;
    const std::array<QString, 3> mode_names = {tr("Stereo"), tr("Left"), tr("Right")};
    for (int m = 0; m < 3; ++m) {
        auto* radio = new QRadioButton(mode_names[m], box);
        SetControlId(radio, kIdAudioMode[m]);
        audio_mode_->addButton(radio, m);
        radio->setChecked(form_.audio_mode == m);
        modes->addWidget(radio);
    }
    modes->addStretch();

    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(edit);
    side->addWidget(del);
    side->addStretch();

    auto* grid = new QGridLayout(box);
    grid->addWidget(audio_, 0, 0);
    grid->addLayout(side, 0, 1);
    grid->addLayout(modes, 1, 0, 1, 2);
    grid->setRowStretch(0, 1);
    return box;
}

QWidget* CChannelDlg::BuildFavouriteBox() {
    auto* box = new QGroupBox(tr("Favourite"), this);
    auto* grid = new QGridLayout(box);
    for (int g = 0; g < 8; ++g) {
        fav_[g] = new QCheckBox(QStringLiteral("FAV%1").arg(g + 1), box);
        SetControlId(fav_[g], kIdFavourite[g]);
        fav_[g]->setChecked(form_.fav[g]);
        grid->addWidget(fav_[g], g / 4, g % 4);
    }
    // FAV1 reads the fields back with OK's checks, and does nothing else.
    connect(fav_[0], &QCheckBox::clicked, this, [this] { CheckFieldsNow(); });
    return box;
}

QWidget* CChannelDlg::BuildOptionsBox() {
    auto* box = new QGroupBox(tr("Access"), this);
    lock_ = new QCheckBox(tr("Lock"), box);
    scramble_ = new QCheckBox(tr("Scramble"), box);
    SetControlId(lock_, kIdLock);
    SetControlId(scramble_, kIdScramble);
    lock_->setChecked(form_.lock);
    scramble_->setChecked(form_.scramble);
    auto* row = new QHBoxLayout(box);
    row->addWidget(lock_);
    row->addWidget(scramble_);
    row->addStretch();
    return box;
}

void CChannelDlg::ReadFields() {
    form_.name = BytesOfText(name_->text());
    form_.pcr_pid = pcr_->text().toStdString();
    form_.video_pid = video_->text().toStdString();
    form_.ttx_pid = ttx_->text().toStdString();
    for (int g = 0; g < 8; ++g) form_.fav[g] = fav_[g]->isChecked();
    form_.lock = lock_->isChecked();
    form_.scramble = scramble_->isChecked();
    form_.audio_mode = audio_mode_->checkedId();
    form_.transponder_row = transponders_->currentIndex();
}

void CChannelDlg::ShowTransponderRows() {
    const QSignalBlocker block(transponders_);
    transponders_->clear();
    for (const std::string& row : form_.transponder_rows) transponders_->addItem(TextOfBytes(row));
    transponders_->setCurrentIndex(form_.transponder_row);
}

void CChannelDlg::ShowAudioRows(int select) {
    audio_->clear();
    for (const std::string& row : AudioRows(form_.audio))
        audio_->addItem(QString::fromStdString(row));
    if (select >= 0 && select < audio_->count()) audio_->setCurrentRow(select);
}

bool CChannelDlg::CheckFieldsNow() {
    ReadFields();
    if (auto failure = form_.CheckFields()) {
        prompter_.Tell(failure->message);
        FocusControl(this, failure->control);
        return false;
    }
    return true;
}

void CChannelDlg::SatelliteChosen(int row) {
    form_.SelectSatellite(row);
    ShowTransponderRows();
}

void CChannelDlg::AddAudio() {
    if (AddAudioEntry(form_.audio, dialogs_, prompter_)) ShowAudioRows(form_.audio.count - 1);
}

void CChannelDlg::EditAudio() {
    const int row =
        audio_->currentItem() && audio_->currentItem()->isSelected() ? audio_->currentRow() : -1;
    if (EditAudioEntry(form_.audio, row, dialogs_, prompter_)) ShowAudioRows(row);
}

void CChannelDlg::DeleteAudio() {
    const int row =
        audio_->currentItem() && audio_->currentItem()->isSelected() ? audio_->currentRow() : -1;
    // The entry that moved up into the deleted row is selected, or the new last one, so
    // that Del can be pressed again.
    if (DeleteAudioEntry(form_.audio, row, prompter_))
        ShowAudioRows(std::min(row, form_.audio.count - 1));
}

void CChannelDlg::accept() {
    ReadFields();
    const AcceptResult result = PressOk(form_, form_.record, prompter_);
    if (result.end == DialogEnd::StayOpen) return FocusControl(this, result.focus);
    QDialog::accept();
}

bool CChannelDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == audio_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Delete)) {
        audio_delete_->click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velmora

#pragma once
// "Channel Parameters" (dialog 136): binds the controls to a ChannelForm. The form opens
// the record, offers the rows and decides what OK does; this class only moves values
// between the widgets and the form.

#include <QDialog>
#include <array>

#include "channels/ChannelDialogs.h"
#include "channels/ChannelForm.h"
#include "database/Interaction.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora {

class CChannelDlg : public QDialog {
    Q_OBJECT
public:
    // `dialogs` opens the audio dialog for the Add and Edit buttons.
    CChannelDlg(ChannelForm& form, Prompter& prompter, ChannelDialogs& dialogs,
                QWidget* parent = nullptr);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildChannelBox();
    QWidget* BuildPidBox();
    QWidget* BuildReceptionBox();
    QWidget* BuildAudioBox();
    QWidget* BuildFavouriteBox();
    QWidget* BuildOptionsBox();

    void ReadFields();
    void ShowTransponderRows();
    void ShowAudioRows(int select);
    bool CheckFieldsNow();
    void SatelliteChosen(int row);
    void AddAudio();
    void EditAudio();
    void DeleteAudio();

    ChannelForm& form_;
    Prompter& prompter_;
    ChannelDialogs& dialogs_;

    QLineEdit* number_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* pcr_ = nullptr;
    QLineEdit* video_ = nullptr;
    QLineEdit* ttx_ = nullptr;
    QComboBox* satellites_ = nullptr;
    QComboBox* transponders_ = nullptr;
    QListWidget* audio_ = nullptr;
    QPushButton* audio_delete_ = nullptr;
    QButtonGroup* audio_mode_ = nullptr;
    std::array<QCheckBox*, 8> fav_{};
    QCheckBox* lock_ = nullptr;
    QCheckBox* scramble_ = nullptr;
};

}  // namespace velmora

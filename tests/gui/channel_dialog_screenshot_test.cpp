// Saves a picture of the channel dialog for the README when VELMORA_SCREENSHOT names a
// file; otherwise it only checks that the dialog renders.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <cstdlib>

#include "app/QtDialogHost.h"
#include "channels/ChannelForm.h"
#include "channels/qt/CChannelDlg.h"
#include "database/Upkeep.h"
#include "support/ScriptedPrompter.h"

namespace velmora {
namespace {

TEST(ChannelDialogPicture, RendersAFilledInDialog) {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->database_open = true;
    const char* satellites[] = {"Astra 19.2E", "Hotbird 13E", "Eutelsat 16E"};
    for (const char* name : satellites) {
        db->satellites[db->sat_count()].set_name(name);
        db->set_sat_count(db->sat_count() + 1);
    }
    const int frequencies[] = {11494, 11836, 12109, 12421};
    for (int i = 0; i < 4; ++i) {
        Transponder& tp = db->transponders[i];
        tp.set_tp_id(static_cast<uint16_t>(i));
        tp.set_frequency(static_cast<uint16_t>(frequencies[i]));
        tp.set_polarisation(static_cast<uint8_t>(i % 2));
        tp.set_symbol_rate(27500);
        tp.set_fec(3);
        db->set_tp_count(i + 1);
    }

    Channel ch;
    ch.set_name("Das Erste");
    ch.set_tp_id(1);
    ch.set_service_number(28106);
    ch.set_pcr_pid(101);
    ch.set_video_pid(101);
    ch.set_ttx_pid(104);
    ch.set_fta(1);
    ch.set_fav(0, true);
    ch.set_fav(2, true);
    AudioList audio;
    audio.count = 3;
    audio.entries[0] = {102, 23};
    audio.entries[1] = {103, 23};
    audio.entries[2] = {106, 18};
    WriteAudioEntries(audio, ch);

    testing::ScriptedPrompter prompter;
    QtDialogHost dialogs(prompter, nullptr);
    ChannelForm form(*db, ch, 1, false, true);
    CChannelDlg dlg(form, prompter, dialogs);
    dlg.show();
    dlg.adjustSize();
    const QPixmap picture = dlg.grab();
    EXPECT_GT(picture.width(), 300);
    if (const char* path = std::getenv("VELMORA_SCREENSHOT")) {
        EXPECT_TRUE(picture.save(QString::fromLocal8Bit(path), "PNG"));
    }
}

}  // namespace
}  // namespace velmora

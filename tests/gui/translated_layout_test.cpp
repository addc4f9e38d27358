// In every language the editor speaks, the main window, each dialog and the windows beside
// the editor show their texts whole: no label, button, group title, menu bar entry or column
// header is given less room than its text needs.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "app/CAboutDlg.h"
#include "app/Language.h"
#include "app/QtDialogHost.h"
#include "channels/qt/CAudioDlg.h"
#include "channels/qt/CChannelDlg.h"
#include "channels/qt/CMoveDlg.h"
#include "channels/qt/CShowInfoDlg.h"
#include "commands/CommandIds.h"
#include "compare/qt/CompareController.h"
#include "compare/qt/CompareWindow.h"
#include "core/satellite_test_support.h"
#include "database/qt/DialogControls.h"
#include "exchange/qt/CCsvEditsPreviewDlg.h"
#include "health/qt/CheckWindow.h"
#include "satellites/qt/CModifyTPDlg.h"
#include "satellites/qt/CSatelliteDlg.h"
#include "satellites/qt/CTransponderDlg.h"
#include "satxml/SatXmlImport.h"
#include "satxml/SatXmlReader.h"
#include "satxml/qt/SatXmlLoadDialog.h"
#include "satxml/qt/SatXmlUpdateDialog.h"
#include "settings/qt/COtherSettingDlg.h"
#include "settings/qt/CParentalDlg.h"
#include "settings/qt/CRenameFavDlg.h"
#include "tests/gui/IntegrationFixture.h"
#include "text/Languages.h"

namespace velmora {
namespace {

// What of `window` shows its text cut off, one line each.
QStringList CutOff(QWidget& window) {
    QApplication::processEvents();
    QStringList cut;
    const auto shown = [&](QWidget* w) { return w->isVisibleTo(&window) && w->width() > 0; };
    const auto narrow = [&](QWidget* w, const QString& what, int needs) {
        if (w->width() < needs)
            cut << QStringLiteral("%1 \"%2\": %3 px for %4")
                       .arg(what)
                       .arg(w->property("text").toString())
                       .arg(w->width())
                       .arg(needs);
    };
    for (QLabel* l : window.findChildren<QLabel*>()) {
        if (shown(l) && !l->wordWrap() && !l->text().isEmpty())
            narrow(l, QStringLiteral("label"), l->minimumSizeHint().width());
    }
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (shown(b) && !b->text().isEmpty())
            narrow(b, QStringLiteral("button"), b->sizeHint().width());
    }
    for (QGroupBox* g : window.findChildren<QGroupBox*>()) {
        if (shown(g) && g->width() < g->minimumSizeHint().width())
            cut << QStringLiteral("group \"%1\"").arg(g->title());
    }
    for (QComboBox* c : window.findChildren<QComboBox*>()) {
        if (shown(c) && c->width() < c->minimumSizeHint().width())
            cut << QStringLiteral("list \"%1\"").arg(c->currentText());
    }
    for (QMenuBar* m : window.findChildren<QMenuBar*>()) {
        if (shown(m) && m->width() < m->sizeHint().width())
            cut << QStringLiteral("menu bar: %1 px for %2")
                       .arg(m->width())
                       .arg(m->sizeHint().width());
    }
    for (QHeaderView* h : window.findChildren<QHeaderView*>()) {
        if (!shown(h) || h->orientation() != Qt::Horizontal || !h->model()) continue;
        const int margin = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        for (int i = 0; i < h->count(); ++i) {
            if (h->isSectionHidden(i)) continue;
            const QString text = h->model()->headerData(i, Qt::Horizontal).toString();
            const int needs = h->fontMetrics().horizontalAdvance(text) + margin;
            if (!text.isEmpty() && h->sectionSize(i) < needs && i != h->count() - 1)
                cut << QStringLiteral("column \"%1\": %2 px for %3")
                           .arg(text)
                           .arg(h->sectionSize(i))
                           .arg(needs);
        }
    }
    return cut;
}

class TranslatedLayout : public testing::IntegrationTest,
                         public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(InstallLanguage(QString::fromLatin1(GetParam())));
        IntegrationTest::SetUp();
        StartShown();
    }
    void TearDown() override { InstallLanguage(QStringLiteral("en")); }

    void ExpectWhole(QWidget& window, const char* name) {
        window.show();
        const QStringList cut = CutOff(window);
        EXPECT_TRUE(cut.isEmpty()) << GetParam() << " " << name << ":\n  "
                                   << cut.join(QStringLiteral("\n  ")).toStdString();
        window.close();
    }
};

TEST_P(TranslatedLayout, EveryWindowShowsItsTextsWhole) {
    ExpectWhole(*frame, "main window");
    frame->show();

    Database& data = const_cast<Database&>(db());
    QtDialogHost host(prompter, frame);
    ChannelForm channel_form(data, data.tv[0], 1, false, true);
    CChannelDlg channel(channel_form, prompter, host, frame);
    ExpectWhole(channel, "channel");
    AudioForm audio_form(AudioEntry{5, 3}, false);
    CAudioDlg audio(audio_form, prompter, frame);
    ExpectWhole(audio, "audio");
    MoveForm move_form(3, 1);
    CMoveDlg move(move_form, prompter, frame);
    ExpectWhole(move, "move");
    ShowInfoForm info_form;
    CShowInfoDlg info(info_form, frame);
    ExpectWhole(info, "show info");

    SatelliteForm satellite_form = SatelliteForm::Load(data, 0, data.satellites[0]);
    CSatelliteDlg satellite(satellite_form, prompter, frame);
    ExpectWhole(satellite, "satellite");
    TransponderForm tp_form = TransponderForm::Load(NewTransponderTemplate(0));
    CTransponderDlg transponder(tp_form, prompter, frame);
    ExpectWhole(transponder, "transponder");
    testing::ScriptedSatelliteDialogs satellite_dialogs;
    ModifiedTpList tp_list(data, prompter, satellite_dialogs, 0);
    CModifyTPDlg modify(tp_list, frame);
    ExpectWhole(modify, "modify transponders");

    OtherSettingsForm other_form = OtherSettingsForm::Load(data.settings);
    COtherSettingDlg other(other_form, frame);
    ExpectWhole(other, "other settings");
    ParentalForm parental_form = ParentalForm::Load(data.settings);
    CParentalDlg parental(parental_form, prompter, frame);
    ExpectWhole(parental, "parental");
    FavouriteNameForm group_form = FavouriteNameForm::Load(data.settings, 0);
    CRenameFavDlg rename(group_form, prompter, frame);
    ExpectWhole(rename, "rename favourite group");

    const SatXmlRead xml = ParseSatellitesXml(
        R"(<satellites><sat name="19.2E Astra" flags="0" position="192">)"
        R"(<transponder frequency="11494000" symbol_rate="22000000" polarization="0" fec_inner="2"/>)"
        R"(</sat></satellites>)");
    ASSERT_TRUE(xml.ok()) << xml.problem;
    const SatXmlLoadForm load_form = SatXmlLoadForm::Load(data, xml.satellites);
    SatXmlLoadDialog load(load_form, frame);
    ExpectWhole(load, "satellites.xml load");
    const SatXmlUpdateForm update_form =
        SatXmlUpdateForm::Load(data, PlanXmlUpdate(data, xml.satellites));
    SatXmlUpdateDialog update(update_form, frame);
    ExpectWhole(update, "satellites.xml update");

    CsvEditsPreview preview{"1 channels renamed, 0 moved, 0 with other changes",
                            "1 names look converted by a spreadsheet",
                            {"TV 1: 007 → 7"},
                            1};
    CCsvEditsPreviewDlg csv(preview, frame);
    ExpectWhole(csv, "CSV edits preview");
    CAboutDlg about(frame);
    ExpectWhole(about, "about");

    chooser.answers.push_back(sample);
    frame->RunCommand(kCmdCompareWith);
    ASSERT_TRUE(frame->findChild<CompareController*>());
    ASSERT_TRUE(frame->findChild<CompareController*>()->window());
    ExpectWhole(*frame->findChild<CompareController*>()->window(), "comparison");
    frame->RunCommand(kCmdCheckDatabase);
    ASSERT_TRUE(frame->checkWindow());
    ExpectWhole(*frame->checkWindow(), "check");
}

// What the user reads of the core's texts: a dialog's refusal and a command's question.
TEST_P(TranslatedLayout, TheCoresMessagesReachTheUserTranslated) {
    const auto read = [&] {
        prompter.shown.clear();
        TransponderForm form = TransponderForm::Load(NewTransponderTemplate(0));
        CTransponderDlg dialog(form, prompter, frame);
        FindControl(&dialog, 1002)->setProperty("text", QStringLiteral("20001"));
        testing::ClickOk(dialog);
        view->SelectRows({0});
        prompter.answers = {Answer::No};
        frame->RunCommand(kCmdDeleteChannel);
        return prompter.texts();
    };
    const std::vector<std::string> shown = read();
    ASSERT_EQ(shown.size(), 2u);
    InstallLanguage(QStringLiteral("en"));
    const std::vector<std::string> english = read();
    ASSERT_EQ(english.size(), 2u);
    for (size_t i = 0; i < shown.size(); ++i) {
        if (std::string(GetParam()) == "en")
            EXPECT_EQ(shown[i], english[i]);
        else
            EXPECT_NE(shown[i], english[i]) << GetParam() << " shows it in English";
    }
}

// The README's pictures of the editor in German.
class GermanScreenshots : public testing::ScreenshotTest {
protected:
    void SetUp() override {
        InstallLanguage(QStringLiteral("de"));
        ScreenshotTest::SetUp();
    }
    void TearDown() override { InstallLanguage(QStringLiteral("en")); }
};

TEST_F(GermanScreenshots, MainWindowAndChannelDialog) {
    view->SelectRows({1});
    Save(*frame, "screenshot-main-de.png");
    Database& data = const_cast<Database&>(db());
    QtDialogHost host(prompter, frame);
    ChannelForm form(data, data.tv[1], 2, false, true);
    CChannelDlg channel(form, prompter, host, frame);
    channel.show();
    Save(channel, "screenshot-channel-dialog-de.png");
}

std::vector<const char*> Codes() {
    std::vector<const char*> codes;
    for (const Language& l : Languages()) codes.push_back(l.code);
    return codes;
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedLayout, ::testing::ValuesIn(Codes()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace velmora

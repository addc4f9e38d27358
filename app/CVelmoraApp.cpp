#include "app/CVelmoraApp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace velmora {

CVelmoraApp::CVelmoraApp(Prompter* prompter, FileChooser* chooser)
    : prompter_(prompter ? *prompter : qt_prompter_), chooser_(chooser ? *chooser : qt_chooser_) {}

CVelmoraApp::~CVelmoraApp() {
    frame_.reset();  // the frame refers to the document
}

bool CVelmoraApp::InitInstance(const QStringList& arguments, std::unique_ptr<QSettings> settings) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "velmora::CVelmoraApp", "Velmora: editor for satellite receiver channel databases (.sdx)"));
    parser.addHelpOption();
    parser.addVersionOption();
    // The argument's name and syntax stay as they are.
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("velmora::CVelmoraApp", "The .sdx file to open."),
        QStringLiteral("[FILE.sdx]"));
    if (!parser.parse(arguments)) {
        prompter_.Tell(parser.errorText().toStdString(), Icon::Error);
        return false;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        parser.process(arguments);  // prints and exits
        return false;
    }

    if (!settings) {
        settings = std::make_unique<QSettings>(QString::fromLatin1(kSettingsOrganisation),
                                               QString::fromLatin1(kSettingsApplication));
    }
    doc_ = std::make_unique<CVelmoraDoc>(prompter_, chooser_);
    frame_ = std::make_unique<CMainFrame>(*doc_, std::move(settings));
    qt_prompter_.SetParent(frame_.get());
    qt_chooser_.SetParent(frame_.get());
    frame_->show();

    // A file named on the command line goes through Open, with its checks and messages;
    // when it does not open, the editor stays up with no database.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        // Absolute, so that the title and the recent-file list name the file wherever the
        // editor is started next time.
        const QString path = QFileInfo(files.first()).absoluteFilePath();
        doc_->OpenPath(QFile::encodeName(path).toStdString());
        frame_->UpdateCommandStates();
    }
    return true;
}

}  // namespace velmora

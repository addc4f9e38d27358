#include "database/qt/QtInteraction.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace velmora {
namespace {

// The texts the core shows (messages, captions, filters) are UTF-8: translated words
// beside names the core has turned from their record bytes, and paths as the system
// spells them.
QString Utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The position of the type the dialog reports chosen among `types`: with the details
// hidden it names the type by what stands before the patterns FileDialogNameFilters
// appended, so the full entry is not found as it is.
int ChosenTypeIndex(const QStringList& types, const QString& chosen) {
    for (qsizetype i = 0; i < types.size(); ++i) {
        const QString& type = types[i];
        if (type == chosen || type.left(type.lastIndexOf(QLatin1Char('(')) - 1) == chosen)
            return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

QString ToQtNameFilters(std::string_view filter) {
    const QStringList parts = Utf8Text(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        if (label.isEmpty()) break;  // the "||" that ends the list
        const qsizetype paren = label.lastIndexOf(QLatin1Char('('));
        if (paren > 0) label = label.left(paren).trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

QStringList FileDialogNameFilters(std::string_view filter) {
    const QStringList parts = Utf8Text(filter).split(QLatin1Char('|'));
    const QStringList matching = ToQtNameFilters(filter).split(QStringLiteral(";;"));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size() && entries.size() < matching.size(); i += 2) {
        const QString label = parts[i];
        if (label.isEmpty()) break;
        // The dialog matches by the last parenthesised patterns and, with the details
        // hidden, shows what stands before them: the label as given.
        const QString& qt = matching[entries.size()];
        entries << label + qt.mid(qt.lastIndexOf(QLatin1Char('(')) - 1);
    }
    return entries;
}

void SetUpFileDialog(QFileDialog& dialog, const FileChoice& choice) {
    dialog.setWindowTitle(Utf8Text(choice.title));
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The commands decide what a missing file or an existing one means, not the dialog.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(FileDialogNameFilters(choice.filter));
    if (!choice.folder.empty())
        dialog.setDirectory(QFile::decodeName(QByteArray::fromStdString(choice.folder)));
    if (!choice.proposed.empty()) dialog.selectFile(QFile::decodeName(choice.proposed.c_str()));
}

Answer QtPrompter::Show(std::string_view text, std::string_view caption, Icon icon,
                        Buttons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(Utf8Text(caption));
    box.setText(Utf8Text(text));
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Error:
        case Icon::Stop:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

std::optional<std::string> QtFileChooser::Choose(const FileChoice& choice) {
    QFileDialog dialog(parent_);
    SetUpFileDialog(dialog, choice);
    const QStringList types = dialog.nameFilters();
    const auto last = types_chosen_.find(choice.filter);
    if (last != types_chosen_.end() && last->second < types.size())
        dialog.selectNameFilter(types[last->second]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    chosen_type_ = ChosenTypeIndex(types, dialog.selectedNameFilter());
    types_chosen_[choice.filter] = chosen_type_;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace velmora

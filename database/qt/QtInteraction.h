#pragma once
// The interaction boundary on screen: message boxes through QMessageBox and file
// choosers through QFileDialog.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <map>
#include <string>

#include "database/Interaction.h"

class QFileDialog;

namespace velmora {

// "Label (*.x)|*.x|...||" as the commands define filters, in QFileDialog's form
// "Label (*.x);;...". A "*.*" pattern becomes "*", which also matches names without a dot.
QString ToQtNameFilters(std::string_view filter);

// The entries of a file dialog's type list for `filter`: each shows its label exactly as
// the menus give it ("All Files (*.*)") and matches by the patterns of ToQtNameFilters
// (every file, for "*.*"). Needs QFileDialog::HideNameFilterDetails, which SetUpFileDialog
// sets.
QStringList FileDialogNameFilters(std::string_view filter);
// Title, mode, options and type list of the dialog QtFileChooser shows for `choice`.
void SetUpFileDialog(QFileDialog& dialog, const FileChoice& choice);

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    Answer Show(std::string_view text, std::string_view caption, Icon icon,
                Buttons buttons) override;

private:
    QPointer<QWidget> parent_;
};

class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> Choose(const FileChoice& choice) override;
    int ChosenType() const override { return chosen_type_; }

private:
    QPointer<QWidget> parent_;
    int chosen_type_ = 0;
    // The type last chosen from each type list, offered first the next time (for the run).
    std::map<std::string, int> types_chosen_;
};

}  // namespace velmora

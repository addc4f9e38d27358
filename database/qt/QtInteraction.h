#pragma once
// The interaction boundary on screen: message boxes through QMessageBox and file
// choosers through QFileDialog.

#include <QPointer>
#include <QString>
#include <QWidget>

#include "database/Interaction.h"

namespace velmora {

// "Label (*.x)|*.x|...||" as the commands define filters, in QFileDialog's form
// "Label (*.x);;...". A "*.*" pattern becomes "*", which also matches names without a dot.
QString ToQtNameFilters(std::string_view filter);

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

private:
    QPointer<QWidget> parent_;
};

}  // namespace velmora

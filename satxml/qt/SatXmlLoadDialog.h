#pragma once
// The window of "Load Satellites from satellites.xml...": the file's satellites with check
// boxes and a filter, and what the choice adds against the free room. Binds widgets to a
// SatXmlLoadForm; the form decides everything.

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include "satxml/SatXmlForms.h"

namespace velmora {

class SatXmlLoadDialog : public QDialog {
    Q_OBJECT
public:
    SatXmlLoadDialog(const SatXmlLoadForm& form, QWidget* parent);
    const SatXmlLoadForm& form() const { return form_; }

private:
    void Refilter();
    void ShowCounts();

    SatXmlLoadForm form_;
    QLineEdit* filter_;
    QTreeWidget* list_;
    QLabel* counts_;
    QDialogButtonBox* buttons_;
};

}  // namespace velmora

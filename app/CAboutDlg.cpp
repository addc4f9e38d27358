#include "app/CAboutDlg.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Images.h"
#include "commands/CommandIds.h"
#include "database/qt/DialogControls.h"

namespace velmora {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Velmora(FTA)"));
    SetTemplateId(this, kAboutDialogId);

    auto* icon = new QLabel(this);
    icon->setPixmap(VelmoraPixmap(32));
    icon->setAlignment(Qt::AlignTop);
    auto* lines = new QVBoxLayout;
    // The name and version stay as they are.
    for (const QString& text :
         {QStringLiteral("Velmora V1.01"), tr("Copyright (C) The Velmora developers"),
          tr("Data: 23/12/2005")}) {
        lines->addWidget(new QLabel(text, this));
    }
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* button = new QVBoxLayout;
    button->addWidget(ok);
    button->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon);
    layout->addSpacing(8);
    layout->addLayout(lines, 1);
    layout->addLayout(button);

    // 231 x 64 dialog units: a unit is a quarter of the average character width across
    // and an eighth of the line height down.
    const QFontMetrics metrics(font());
    setMinimumSize(231 * metrics.averageCharWidth() / 4, 64 * metrics.height() / 8);
}

}  // namespace velmora

#include "printing/qt/ChannelListPrinter.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "printing/qt/PrintText.h"

namespace velmora {
namespace {

QFont BodyFont(int tenths) {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(tenths / 10.0);
    // The columns line up only in a fixed-pitch face; ask for one when the face is missing
    // and the font system offers a proportional stand-in.
    if (!QFontInfo(font).fixedPitch()) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    return font;
}

}  // namespace

int ChannelListPrinter::Begin(QPrinter& printer) {
    PrinterMetrics metrics;
    metrics.page_height = printer.height();
    metrics.dpi_y = printer.logicalDpiY();
    metrics.fallback_font_height = QFontMetrics(QFont(), &printer).height();
    layout_ = ChannelPrintLayout::Begin(db_, list_, metrics);
    title_font_ = CursiveTitleFont(channel_print::kTitleTenths / 10.0);
    body_font_ = BodyFont(layout_->body_tenths);
    return layout_->page_count;
}

void ChannelListPrinter::PrintPage(QPainter& painter, int page) {
    using namespace channel_print;
    if (!layout_) return;
    const int right = painter.device()->width();
    const QFont saved = painter.font();

    painter.setFont(title_font_);
    DrawTextAt(painter, kTitleX, kTitleY, QString::fromLatin1(kTitle));
    painter.drawLine(0, kRuleY, right, kRuleY);
    painter.setFont(saved);
    DrawTextAt(painter, right - kPageNumberInset, kPageNumberY,
               QCoreApplication::translate("printing", "PAGE %1").arg(page));

    painter.setFont(body_font_);
    DrawTextAt(painter, kTextX, kHeaderY, QString::fromStdString(layout_->HeaderLine()));
    const RowRange rows = layout_->PageRows(page);
    for (int row = rows.first; row < rows.end; ++row) {
        const std::string line = layout_->RowLine(db_, list_, row);
        DrawTextAt(painter, kTextX, layout_->RowY(row - rows.first + 1),
                   QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    }
    painter.setFont(saved);
}

void ChannelListPrinter::End() {
    layout_.reset();
    title_font_ = QFont();
    body_font_ = QFont();
}

}  // namespace velmora

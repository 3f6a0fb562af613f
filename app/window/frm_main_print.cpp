// Printing and copying the picture: the page image is the viewport as the screen shows it (the
// visible part of the path surface with both rulers); printed fitted to the page under a line
// with the date and the file name, or copied to the clipboard framed and named.
#include "app/window/frm_main.h"

#include "app/window/path_pane.h"
#include "app/window/window_texts.h"
#include "display/colours.h"
#include "display/print_layout.h"
#include "display/qt/picture.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    QColor ToQColor(Colour colour)
    {
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }

}

QImage frmMain::PageImage() const
{
    const qreal ratio = panes_.trace.DevicePixelRatio();
    const QSize viewport = trace1_->size() * ratio;
    return ComposeViewport(panes_, viewport.width(), viewport.height());
}

void frmMain::mnuDrawPrint_Click()
{
    const QString title = Utf8(trazor_texts::ProgramTitle);
    if (!in_.st.WhiteBackground
        && Ask(QMessageBox::Warning, title, Utf8(trazor_texts::PrintOnBlack),
               QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return;
    const QImage page = PageImage();
    // The image is left on the clipboard, as the control leaves it.
    QApplication::clipboard()->setImage(page);

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(printerOrientation_ == 1 ? QPageLayout::Portrait : QPageLayout::Landscape);
    // The page is laid out from the paper's corner with the margins below.
    printer.setFullPage(true);
    printer.setDocName(labelFileName_->text());
    const bool chosen = choosePrinter ? choosePrinter(printer) : [&] {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!chosen)
        return;
    if (!PrintPage(printer, page))
        Ask(QMessageBox::Warning, title, Utf8(trazor_texts::PrintFailed), QMessageBox::Ok);
}

bool frmMain::PrintPage(QPrinter& printer, const QImage& page)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Millimetres on the paper, from its corner (the printer is set to the full page).
    const QRectF paper = printer.paperRect(QPrinter::Millimeter);
    const double dots = printer.resolution() / 25.4; // device pixels per millimetre

    QFont font = QApplication::font();
    font.setPointSizeF(12);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const ModelWindow window = panes_.trace.GetModelWindow();
    const PrintPlacement place = PlacePrintedPicture(
        paper.width(), paper.height(), metrics.height() / dots, window.width, window.height);
    if (!place.usable) {
        printer.abort(); // nothing to print: no empty page either
        return false;
    }
    const double x0 = place.x, y0 = place.y, w = place.width, h = place.height;
    auto mm = [dots](double value) { return value * dots; };
    painter.drawImage(QRectF(mm(x0), mm(y0), mm(w), mm(h)), page);

    // The header line: the date at the picture's left, the file name centred over the page.
    const double headerTop = place.headerY;
    painter.setPen(Qt::black);
    const QString date = QDate::currentDate().toString("yyyy.MM.dd");
    painter.drawText(QPointF(mm(x0), mm(headerTop) + metrics.ascent()), date);
    const QString name = labelFileName_->text();
    const double nameWidth = metrics.horizontalAdvance(name) / dots;
    painter.drawText(QPointF(mm(PrintMarginLeft + (place.printableWidth - nameWidth) / 2),
                         mm(headerTop) + metrics.ascent()),
        name);

    // The frame, three printer dots of a 600-DPI printer wide.
    painter.setPen(QPen(Qt::black, 3 * dots * 25.4 / 600));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(mm(x0), mm(y0), mm(w), mm(h)));
    return painter.end();
}

void frmMain::mnuScreenPrint_Click()
{
    QImage page = PageImage();
    {
        QPainter painter(&page);
        const double width = page.width();
        const double height = page.height();
        painter.setPen(ToQColor(PaneTextColour(in_.st)));
        painter.drawRect(QRectF(0, 0, width - 0.001 * width, height - 0.001 * height));
        QFont font = QApplication::font();
        font.setPixelSize(static_cast<int>(std::lround(12 * 96 / 72.0 * panes_.trace.DevicePixelRatio())));
        painter.setFont(font);
        painter.setPen(ToQColor(in_.st.MarkColour));
        const QFontMetricsF metrics(font);
        painter.drawText(QPointF(0.05 * width, 0.005 * width + metrics.ascent()), labelFileName_->text());
    }
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setImage(page);
    if (clipboard->image().isNull())
        Ask(QMessageBox::Warning, Utf8(trazor_texts::ProgramTitle), Utf8(trazor_texts::CopyFailed),
            QMessageBox::Ok);
}

void frmMain::mnuFilePrinterSetting_Click()
{
    if (printerOrientation_ == 0)
        printerOrientation_ = 2;
    QPrinter printer;
    printer.setPageOrientation(printerOrientation_ == 1 ? QPageLayout::Portrait : QPageLayout::Landscape);
    QPageSetupDialog dialog(&printer, this);
    dialog.exec();
    // Read back also after Cancel, when it is as it was.
    printerOrientation_ = printer.pageLayout().orientation() == QPageLayout::Portrait ? 1 : 2;
}

} // namespace trazor

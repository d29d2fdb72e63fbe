#include "runtime/dw/print.h"

#include "runtime/draw/units.h"
#include "runtime/dw/render.h"
#include "runtime/script/script_state.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace runtime {

namespace {

PrintHandler &handler()
{
    static PrintHandler h;
    return h;
}

long printWithDialog(const DataStore &store)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer);
    int accepted = QDialog::Rejected;
    RunNestedLoop([&] { accepted = dialog.exec(); });
    if (accepted != QDialog::Accepted)
        return -1;
    return PrintPages(store, printer);
}

} // namespace

void SetPrintHandler(PrintHandler h) { handler() = std::move(h); }

long PrintDataStore(const DataStore &store) { return handler() ? handler()(store) : printWithDialog(store); }

long PrintPages(const DataStore &store, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return -1;
    const long result = PrintPages(store, painter, device, true);
    painter.end();
    return result;
}

long PrintPages(const DataStore &store, QPainter &painter, QPagedPaintDevice &device, bool firstPage)
{
    // The layout is made for a screen of 96 dots per inch.
    const double scale = device.logicalDpiY() / 96.0;
    painter.save();
    painter.scale(scale, scale);
    const int width = PixelsToUnitsX(static_cast<int>(device.width() / scale));
    const int height = PixelsToUnitsY(static_cast<int>(device.height() / scale));
    const auto pages = PlacePages(store, height);
    long result = 1;
    for (size_t i = 0; i < pages.size(); ++i) {
        if ((i > 0 || !firstPage) && !device.newPage()) {
            result = -1;
            break;
        }
        PaintBands(painter, store, pages[i], width, height);
    }
    painter.restore();
    return result;
}

} // namespace runtime

// Printing data windows.
//
// Print goes through one replaceable handler, so a test prints without a
// printer or a dialog. The default handler asks for the printer with the
// print dialog (which lets the user cancel) and prints every row.
#pragma once

#include "runtime/dw/datastore.h"

#include <functional>

class QPagedPaintDevice;

namespace runtime {

// Returns 1 when the data was printed, -1 when it was not (cancelled or failed).
using PrintHandler = std::function<long(const DataStore &)>;

// Replaces the handler; an empty handler restores the print dialog.
void SetPrintHandler(PrintHandler handler);
// Prints through the handler.
long PrintDataStore(const DataStore &store);
// Lays the rows out on pages of the device (a printer or a PDF writer) and
// paints them: header and footer on every page, then as many rows as fit.
// 1, or -1 when the device cannot be painted on.
long PrintPages(const DataStore &store, QPagedPaintDevice &device);

} // namespace runtime

// Print jobs: a job opened on the default printer, data windows printed into
// it, and the job sent to the printer when it is closed. No dialog is shown.
//
// Where the pages go is replaceable: a test hands a PDF writer instead of
// the printer.
#pragma once

#include "runtime/dw/datastore.h"

#include <functional>
#include <memory>

class QPagedPaintDevice;

namespace runtime {

// Opens a job: its number (> 0), or -1 when there is no printer to print on.
long PrintOpen();
// Prints all rows of the data window into the job, from a new page: 1, or -1
// for a job that is not open or cannot be painted on.
long PrintDataWindow(long job, const DataStore &store);
// Ends the job and sends it to the printer: 1, or -1 for a job that is not open.
long PrintClose(long job);

// Makes the device a job prints on; nullptr means there is no printer.
using PrinterFactory = std::function<std::unique_ptr<QPagedPaintDevice>()>;
// Replaces the factory; an empty one restores the system's default printer.
void SetPrinterFactory(PrinterFactory factory);

} // namespace runtime

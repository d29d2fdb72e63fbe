#include "runtime/print/printjob.h"

#include "runtime/dw/print.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <map>

namespace runtime {

namespace {

struct Job {
    std::unique_ptr<QPagedPaintDevice> device;
    std::unique_ptr<QPainter> painter; // active from the first data window on
};

std::map<long, Job> &jobs()
{
    static std::map<long, Job> open;
    return open;
}

PrinterFactory &factory()
{
    static PrinterFactory f;
    return f;
}

std::unique_ptr<QPagedPaintDevice> defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

} // namespace

long PrintOpen()
{
    std::unique_ptr<QPagedPaintDevice> device = factory() ? factory()() : defaultPrinter();
    if (!device)
        return -1;
    static long next = 0;
    const long number = ++next;
    jobs()[number] = Job{std::move(device), nullptr};
    return number;
}

long PrintDataWindow(long job, const DataStore &store)
{
    const auto it = jobs().find(job);
    if (it == jobs().end())
        return -1;
    Job &j = it->second;
    const bool first = !j.painter;
    if (first) {
        j.painter = std::make_unique<QPainter>();
        if (!j.painter->begin(j.device.get())) {
            j.painter.reset();
            return -1;
        }
    }
    return PrintPages(store, *j.painter, *j.device, first);
}

long PrintClose(long job)
{
    const auto it = jobs().find(job);
    if (it == jobs().end())
        return -1;
    if (it->second.painter)
        it->second.painter->end();
    jobs().erase(it);
    return 1;
}

void SetPrinterFactory(PrinterFactory f) { factory() = std::move(f); }

} // namespace runtime

// The menu renderer's id lookup, which runs for every measure and draw
// request: the probe of row k for id k against the scan it falls back to,
// over tables of growing size; and drawing one highlighted item in the
// gradient look, the costliest, onto an image.
#include "menurender/nvo_supermenu_class.h"
#include "runtime/ui/menu.h"
#include "runtime/win32/ownerdraw.h"
#include "runtime/win32/shapes.h"

#include <QImage>
#include <benchmark/benchmark.h>

using namespace runtime;

namespace {

class m_bench : public Menu {
public:
    m_bench() : Menu("m_bench") { m_item.SetText("Open\tCtrl+O"); }
    MenuItem m_item{*this, "m_item"};
};

// Rows 1 to n; with probe false each row holds an id one above its index,
// so the probe misses and the table is scanned.
void BM_FindById(benchmark::State &state, bool probe)
{
    m_bench menu;
    nvo_supermenu_class renderer;
    const long n = state.range(0);
    for (long k = 1; k <= n; ++k)
        renderer.of_add(probe ? k : k + 1, "Item", menu.m_item, 1);
    const long last = probe ? n - 1 : n;
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.of_find_byid(last));
}

void BM_DrawGradientItem(benchmark::State &state)
{
    m_bench menu;
    nvo_supermenu_class renderer;
    renderer.menustyle = nvo_supermenu_class::style_gradient;
    renderer.of_add(1, menu.m_item.Text(), menu.m_item, 1);
    QImage image(200, 22, QImage::Format_RGB32);
    DrawItemRecord record;
    record.hdc = CreateImageDC(image);
    record.rcItem = {0, 0, 200, 22};
    record.itemData = 1;
    record.itemState = kItemSelected;
    RecordLease lease(record);
    unsigned long childid = 0;
    long number = lease.number();
    for (auto _ : state)
        renderer.of_drawitem(childid, number);
    DeleteDC(record.hdc);
}

} // namespace

BENCHMARK_CAPTURE(BM_FindById, probe, true)->Arg(100)->Arg(10000);
BENCHMARK_CAPTURE(BM_FindById, scan, false)->Arg(100)->Arg(10000);
BENCHMARK(BM_DrawGradientItem);

// A window with a small menu for the renderer to register, an image to draw
// items onto, and the requests the frame forwards to the renderer.
#pragma once

#include "menurender/nvo_supermenu_class.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/menu.h"
#include "runtime/ui/window.h"
#include "runtime/win32/ownerdraw.h"
#include "runtime/win32/shapes.h"

#include <gtest/gtest.h>

#include <QImage>

// File: Open (with a shortcut key), a separator, Exit (with a stock picture).
// Edit: Copy, a hidden item, More, which opens Deep.
class m_render : public runtime::Menu {
public:
    m_render() : Menu("m_render")
    {
        m_file.SetText("File");
        m_open.SetText("Open\tCtrl+O");
        m_line.SetText("-");
        m_exit.SetText("Exit");
        m_exit.ToolbarItemName = "Exit!";
        m_edit.SetText("Edit");
        m_copy.SetText("Copy");
        m_hidden.SetText("Hidden");
        m_hidden.SetVisible(false);
        m_more.SetText("More");
        m_deep.SetText("Deep");
    }
    runtime::MenuItem m_file{*this, "m_file"};
    runtime::MenuItem m_open{m_file, "m_open"};
    runtime::MenuItem m_line{m_file, "m_line"};
    runtime::MenuItem m_exit{m_file, "m_exit"};
    runtime::MenuItem m_edit{*this, "m_edit"};
    runtime::MenuItem m_copy{m_edit, "m_copy"};
    runtime::MenuItem m_hidden{m_edit, "m_hidden"};
    runtime::MenuItem m_more{m_edit, "m_more"};
    runtime::MenuItem m_deep{m_more, "m_deep"};
};

class w_render_host : public runtime::Window {
public:
    w_render_host() : Window("w_render_host") { SetMenu(std::make_unique<m_render>()); }
    m_render &menu() { return *static_cast<m_render *>(MenuID()); }
};

// An image filled with one colour and a device context drawing onto it.
struct Canvas {
    explicit Canvas(int width = 120, int height = 24, long ground = runtime::RGB(1, 2, 3))
        : image(width, height, QImage::Format_RGB32)
    {
        image.fill(runtime::ToQColor(ground));
        hdc = runtime::CreateImageDC(image);
    }
    ~Canvas() { runtime::DeleteDC(hdc); }
    long at(int x, int y) const { return runtime::GetPixel(hdc, x, y); }
    QImage image;
    runtime::DeviceContext hdc = 0;
};

// A measure-item request for the item of itemData, as the frame forwards it:
// the record as the renderer leaves it.
inline runtime::MeasureItemRecord MeasureItem(nvo_supermenu_class &renderer, unsigned long itemData,
                                              unsigned long ctlType = runtime::kOwnerDrawMenu)
{
    runtime::MeasureItemRecord record{ctlType, 7, 8, 111, 222, itemData};
    runtime::RecordLease lease(record);
    unsigned long childid = 0;
    long number = lease.number();
    renderer.of_measureitem(childid, number);
    return record;
}

// A draw-item request for the item of itemData in state, over the whole of
// canvas: the record as the renderer leaves it.
inline runtime::DrawItemRecord DrawItem(nvo_supermenu_class &renderer, Canvas &canvas, unsigned long itemData,
                                        unsigned long state = 0)
{
    runtime::DrawItemRecord record;
    record.ctlType = runtime::kOwnerDrawMenu;
    record.hdc = canvas.hdc;
    record.rcItem = tagrect{0, 0, canvas.image.width(), canvas.image.height()};
    record.itemData = itemData;
    record.itemState = state;
    runtime::RecordLease lease(record);
    unsigned long childid = 0;
    long number = lease.number();
    renderer.of_drawitem(childid, number);
    return record;
}

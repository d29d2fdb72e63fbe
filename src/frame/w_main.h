// The frame: the one window that stays open while the program runs. It
// carries the menu, the toolbar, the navigation bar, the status bar, the
// logo and the welcome area with its hyperlinks and browser strip.
#pragma once

#include "app/w_windows.h"
#include "menurender/nvo_supermenu_class.h"
#include "navbar/uo_qq_pb.h"
#include "runtime/net/browserstrip.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/groupbox.h"
#include "runtime/ui/hyperlink.h"
#include "runtime/ui/mdiclient.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"
#include "toolbar/uo_toolbar.h"

class w_main : public w_windows {
public:
    w_main();

    runtime::MdiClient mdi_1{*this, "mdi_1"};
    runtime::StaticText st_3{*this, "st_3"};
    runtime::StaticText st_1{*this, "st_1"};
    runtime::StaticHyperLink shl_2{*this, "shl_2"};
    runtime::StaticHyperLink shl_1{*this, "shl_1"};
    runtime::StaticText st_2{*this, "st_2"};
    uo_toolbar uo_1{*this, "uo_1"};
    uo_qq_pb uo_look{*this, "uo_look"};
    runtime::Picture p_logo{*this, "p_logo"};
    runtime::DataWindowControl dw_frame_status_bar{*this, "dw_frame_status_bar"};
    runtime::GroupBox gb_1{*this, "gb_1"};
    runtime::BrowserStrip ole_web{*this, "ole_web"};
    runtime::GroupBox gb_2{*this, "gb_2"};
    runtime::GroupBox gb_3{*this, "gb_3"};
    runtime::GroupBox gb_4{*this, "gb_4"};

    nvo_supermenu_class inv_supermenu;

    runtime::Event<> ue_hide{this, "ue_hide"};
    runtime::Event<> ue_show{this, "ue_show"};
    runtime::Event<unsigned long, long> ue_drawitem{this, "ue_drawitem"};       // childid, drawitemstruct
    runtime::Event<unsigned long, long> ue_measureitem{this, "ue_measureitem"}; // childid, measureitemstruct

private:
    void createControls();
    void resizeScript();
    void showNavigation(bool ab_show);
    void openScript();
};

extern runtime::GlobalWindow<w_main> w_main;

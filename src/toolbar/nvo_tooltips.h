// The tooltip window that all toolbar buttons share: each button registers
// itself as a tool with its tip text and hands it the mouse moves over it;
// the window shows and hides the tip by itself. Beside these two, it changes
// a tool's text or rectangle, sets the tips' font and drives a tracking tip.
#pragma once

#include "runtime/ui/control.h"
#include "runtime/win32/tooltips.h"

#include <optional>

class nvo_tooltips {
public:
    // Tool flags, added together into addtool's flags.
    static constexpr int ttf_centertip = 2;
    static constexpr int ttf_rtlreading = 4;
    static constexpr int ttf_subclass = 16;
    static constexpr int ttf_track = 32;
    static constexpr int ttf_absolute = 128;
    static constexpr int ttf_transparent = 256;
    static constexpr int ttf_di_setitem = -32768;

    nvo_tooltips();
    ~nvo_tooltips();
    nvo_tooltips(const nvo_tooltips &) = delete;
    nvo_tooltips &operator=(const nvo_tooltips &) = delete;

    // Hands the mouse move being handled to the window.
    void relaymsg(runtime::Control &object);
    // The font of the tips, by its handle; shown at once.
    void setfont(long hfont);
    // Where a tracking tip shows, in screen pixels.
    void settipposition(int x, int y);
    // The text of tool uid of object: a zero-terminated text taken whole,
    // or a string cut to at most 254 bytes, never inside a character.
    void settiptext(runtime::Control &object, long uid, const char *tiptext);
    void settiptext(runtime::Control &object, long uid, const runtime::String &tiptext);
    // Turns the tracking tip of tool uid on or off; a null status turns it off.
    void settrack(runtime::Control &object, int uid, std::optional<bool> status);
    // The rectangle of tool uid, in pixels of object's client area.
    void updatetiprect(runtime::Control &object, long uid, long left, long top, long right, long bottom);
    // Registers the whole of object, as large as it is now, with tiptext
    // cut to at most 79 bytes, never inside a character. Returns the tool's
    // id, or -1 when the tooltip window refused it; the id is used up
    // either way.
    int addtool(runtime::Control &object, const runtime::String &tiptext, int flags);

    runtime::WindowHandle hwndtt = 0;
    long toolid = 1;
};

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/drawing.h"
#include "platform/geometry.h"

namespace kolven::platform {

enum class ControlKind { Label, List, Picture, Panel };

// One control of the window: the properties the behaviour reads and writes,
// and the handlers of its pointer events. Setting a property only records it
// (and bumps the version); the window system catches up at display rate.
class Control {
public:
    Control(std::string name, ControlKind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Wiring, done once when the window is built.
    void attach(const TextMeasurer* measurer, const Control* parent);

    const std::string& name() const { return m_name; }
    ControlKind kind() const { return m_kind; }
    const Control* parent() const { return m_parent; }
    // Every change of any control takes the next number of one count kept
    // for all controls, so that the screen, finding the newest number the
    // one it last caught up with, knows that nothing changed anywhere.
    std::uint64_t version() const { return m_version; }
    static std::uint64_t latestVersion() { return s_latestVersion; }

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string text);

    // The control's own flag; a control can be "shown" inside a hidden panel.
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Shown, and every panel that holds it shown too.
    bool onScreen() const;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    Color fore() const { return m_fore; }
    void setFore(Color color);
    Color back() const { return m_back; }
    void setBack(Color color);

    const Font& font() const { return m_font; }
    void setFont(Font font);
    void setFontSize(double size);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment);
    const std::string& tooltip() const { return m_tooltip; }
    void setTooltip(std::string tooltip);

    int left() const { return m_rect.left; }
    int top() const { return m_rect.top; }
    int width() const { return m_rect.width; }
    int height() const { return m_rect.height; }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);
    void move(int left, int top);
    const Rect& rect() const { return m_rect; }
    // The rectangle in window coordinates (positions are relative to the parent).
    Rect windowRect() const;

    // Lists.
    const std::vector<std::string>& entries() const { return m_entries; }
    void addEntry(std::string entry);
    int index() const { return m_index; }  // -1: no selection
    // An entry that cannot be chosen now is greyed and takes no click.
    bool entryEnabled(int entry) const;
    void setEntryEnabled(int entry, bool enabled);
    void setIndex(int index);
    int itemHeight() const;
    // The entry under a point in window coordinates, or -1.
    int entryAt(int windowY) const;

    // Pictures: a drawing, stretched to the control (or fitted, as the
    // drawing asks); none shows nothing.
    const std::shared_ptr<const Drawing>& picture() const { return m_picture; }
    void setPicture(std::shared_ptr<const Drawing> picture);

    std::function<void()> onClick;
    std::function<void()> onMouseDown;
    std::function<void(int x, int y)> onPointerOver;  // window coordinates, twips

private:
    void changed() { m_version = ++s_latestVersion; }
    void fitToText();

    std::string m_name;
    ControlKind m_kind;
    const TextMeasurer* m_measurer = nullptr;
    const Control* m_parent = nullptr;
    std::uint64_t m_version = 0;
    // Controls live on the window's thread only.
    inline static std::uint64_t s_latestVersion = 0;

    std::string m_caption;
    bool m_visible = true;
    bool m_enabled = true;
    Color m_fore = colors::black;
    Color m_back = colors::grey;
    Font m_font{"Microsoft Sans Serif", 8.25, false};
    bool m_autoSize = false;
    Alignment m_alignment = Alignment::Left;
    std::string m_tooltip;
    Rect m_rect;
    std::vector<std::string> m_entries;
    std::vector<int> m_disabledEntries;
    int m_index = -1;
    std::shared_ptr<const Drawing> m_picture;
};

// A list's frame adds this much to the height and width of its entries.
constexpr int kListFrame = 2 * kTwipsPerPixel;

}  // namespace kolven::platform

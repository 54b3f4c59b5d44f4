#include "platform/control.h"

#include <algorithm>
#include <utility>

namespace kolven::platform {

Control::Control(std::string name, ControlKind kind) : m_name(std::move(name)), m_kind(kind)
{
    if (kind == ControlKind::List || kind == ControlKind::Panel)
        m_back = colors::white;
}

void Control::attach(const TextMeasurer* measurer, const Control* parent)
{
    m_measurer = measurer;
    m_parent = parent;
}

template <typename T>
static bool assign(T& slot, T value)
{
    if (slot == value)
        return false;
    slot = std::move(value);
    return true;
}

void Control::setCaption(std::string text)
{
    if (!assign(m_caption, std::move(text)))
        return;
    fitToText();
    changed();
}

void Control::setVisible(bool visible)
{
    if (assign(m_visible, visible))
        changed();
}

bool Control::onScreen() const
{
    for (const Control* c = this; c; c = c->m_parent)
        if (!c->m_visible)
            return false;
    return true;
}

void Control::setEnabled(bool enabled)
{
    if (assign(m_enabled, enabled))
        changed();
}

void Control::setFore(Color color)
{
    if (assign(m_fore, color))
        changed();
}

void Control::setBack(Color color)
{
    if (assign(m_back, color))
        changed();
}

void Control::setFont(Font font)
{
    if (!assign(m_font, std::move(font)))
        return;
    fitToText();
    changed();
}

void Control::setFontSize(double size)
{
    Font font = m_font;
    font.size = size;
    setFont(std::move(font));
}

void Control::setAutoSize(bool autoSize)
{
    if (!assign(m_autoSize, autoSize))
        return;
    fitToText();
    changed();
}

void Control::setAlignment(Alignment alignment)
{
    if (assign(m_alignment, alignment))
        changed();
}

void Control::setTooltip(std::string tooltip)
{
    if (assign(m_tooltip, std::move(tooltip)))
        changed();
}

void Control::setLeft(int left)
{
    if (assign(m_rect.left, left))
        changed();
}

void Control::setTop(int top)
{
    if (assign(m_rect.top, top))
        changed();
}

void Control::setWidth(int width)
{
    if (assign(m_rect.width, width))
        changed();
}

void Control::setHeight(int height)
{
    if (assign(m_rect.height, height))
        changed();
}

void Control::move(int left, int top)
{
    setLeft(left);
    setTop(top);
}

Rect Control::windowRect() const
{
    Rect r = m_rect;
    for (const Control* p = m_parent; p; p = p->m_parent) {
        r.left += p->m_rect.left;
        r.top += p->m_rect.top;
    }
    return r;
}

void Control::addEntry(std::string entry)
{
    m_entries.push_back(std::move(entry));
    changed();
}

bool Control::entryEnabled(int entry) const
{
    return std::find(m_disabledEntries.begin(), m_disabledEntries.end(), entry) == m_disabledEntries.end();
}

void Control::setEntryEnabled(int entry, bool enabled)
{
    if (entryEnabled(entry) == enabled)
        return;
    if (enabled)
        m_disabledEntries.erase(std::find(m_disabledEntries.begin(), m_disabledEntries.end(), entry));
    else
        m_disabledEntries.push_back(entry);
    changed();
}

void Control::setIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(m_entries.size()))
        index = -1;
    if (assign(m_index, index))
        changed();
}

int Control::itemHeight() const
{
    return m_measurer ? m_measurer->measure(m_font, "Ag").height : 195;
}

int Control::entryAt(int windowY) const
{
    const int y = windowY - windowRect().top - kListFrame / 2;
    if (y < 0)
        return -1;
    const int entry = y / itemHeight();
    return entry < static_cast<int>(m_entries.size()) ? entry : -1;
}

void Control::setPicture(std::shared_ptr<const Drawing> picture)
{
    if (assign(m_picture, std::move(picture)))
        changed();
}

void Control::fitToText()
{
    if (!m_autoSize || !m_measurer || m_kind != ControlKind::Label)
        return;
    const Size size = m_measurer->measure(m_font, m_caption);
    m_rect.width = size.width;
    m_rect.height = size.height;
}

}  // namespace kolven::platform

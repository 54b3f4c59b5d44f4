#include "core/export_rhythm.h"

namespace kolven {

bool ExportRhythm::countClassed(double now, bool countByCount)
{
    if (countByCount || !m_lastWriting || now - *m_lastWriting >= kShortestGap) {
        m_lastWriting = now;
        m_behind = false;
        return true;
    }
    m_behind = true;
    return false;
}

bool ExportRhythm::countRefused(double now)
{
    return m_behind && now - *m_lastWriting >= kShortestGap && runEnded(now);
}

bool ExportRhythm::runEnded(double now)
{
    if (!m_behind)
        return false;
    m_lastWriting = now;
    m_behind = false;
    return true;
}

}  // namespace kolven

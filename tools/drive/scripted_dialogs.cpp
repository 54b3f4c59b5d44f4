#include "scripted_dialogs.h"

#include <ostream>

#include "state_dump.h"

namespace kolven::drive {

std::optional<std::string> ScriptedDialogs::answer(const char* kind)
{
    if (!m_answer) {
        m_notes << "kolven-drive: a " << kind << " dialog came with no answer-file before it: cancelled" << std::endl;
        return std::nullopt;
    }
    std::optional<std::string> given = std::move(*m_answer);
    m_answer.reset();
    return given;
}

std::optional<std::string> ScriptedDialogs::askSavePath(const std::string& folder, const std::string& defaultName,
                                                        const platform::FileFilter& filter)
{
    m_out << "{\"dialog\": \"save\", \"folder\": " << jsonString(folder) << ", \"name\": " << jsonString(defaultName)
          << ", \"filter\": " << jsonString(filter) << "}" << std::endl;
    return answer("save");
}

std::optional<std::string> ScriptedDialogs::askOpenPath(const std::string& folder,
                                                        const std::vector<platform::FileFilter>& filters)
{
    m_out << "{\"dialog\": \"open\", \"folder\": " << jsonString(folder) << ", \"filters\": [";
    for (std::size_t i = 0; i < filters.size(); ++i)
        m_out << (i ? ", " : "") << jsonString(filters[i]);
    m_out << "]}" << std::endl;
    return answer("open");
}

}  // namespace kolven::drive

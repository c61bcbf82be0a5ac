#include "report/embeddedfilegroup.h"

#include "report/parsecontext.h"

#include <algorithm>

EmbeddedFileGroup::EmbeddedFileGroup(ParseContext& context)
    : LineRecogniser(context), m_anyTop(QStringLiteral("Top of file. [")) {
    const auto& definitions = EmbeddedFileRecogniser::definitions();
    m_files.reserve(std::size_t(definitions.size()));
    for (const auto& def : definitions) {
        m_files.emplace_back(context, def, m_sharedFirstLine);
    }
}

void EmbeddedFileGroup::onLine(int i) {
    look(i);
    m_wakeMask = anyOn() ? 0 : m_anyTop.mask();
}

bool EmbeddedFileGroup::anyOn() const {
    return std::any_of(m_files.cbegin(), m_files.cend(),
                       [](const EmbeddedFileRecogniser& f) { return f.isOn(); });
}

void EmbeddedFileGroup::look(int i) {
    if (!anyOn() && !m_ctx.has(i, m_anyTop)) {
        return;
    }
    for (EmbeddedFileRecogniser& file : m_files) {
        file.onLine(i);
    }
}

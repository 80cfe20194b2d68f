#pragma once

#include "tickets/TicketOptions.h"

#include <QStringView>
#include <optional>

namespace brovik::tickets {

// The words that name the layouts on the command line.
struct LayoutWord {
    Layout layout;
    const char* word;
};

inline constexpr LayoutWord kLayoutWords[] = {
    {Layout::Flow, "fluxo"},
    {Layout::Centred, "centralizado"},
    {Layout::Columns, "colunado"},
};

inline std::optional<Layout> layoutOfWord(QStringView word) {
    for (const LayoutWord& w : kLayoutWords)
        if (word == QLatin1StringView(w.word)) return w.layout;
    return std::nullopt;
}

}  // namespace brovik::tickets

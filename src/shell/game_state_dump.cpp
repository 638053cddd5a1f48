#include "shell/game_state_dump.h"

#include <cstdio>
#include <type_traits>
#include <vector>

#include "shell/game_state_fields.h"

namespace {
template <typename T>
void Flatten(const T& value, std::vector<std::string>& out) {
    if constexpr (std::is_array_v<T>) {
        for (const auto& element : value) Flatten(element, out);
    } else if constexpr (std::is_floating_point_v<T>) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
        out.emplace_back(text);
    } else {
        out.push_back(std::to_string(+value));
    }
}

std::string JoinRuns(const std::vector<std::string>& values) {
    std::string line;
    for (size_t k = 0; k < values.size();) {
        size_t run = 1;
        while (k + run < values.size() && values[k + run] == values[k]) ++run;
        if (!line.empty()) line += ' ';
        line += values[k];
        if (run > 1) {
            line += '*';
            line += std::to_string(run);
        }
        k += run;
    }
    return line;
}
}  // namespace

std::string DumpGameState(const GameState& state) {
    std::string dump;
    VisitGameStateFields(state, [&dump](const char* name, const auto& field) {
        std::vector<std::string> values;
        Flatten(field, values);
        dump += name;
        dump += " = ";
        dump += JoinRuns(values);
        dump += '\n';
    });
    return dump;
}
